#pragma once

#include <cstdint>

#include "DataFile.h"
#include "HueTable.h"
#include "PixelBuffer.h"
#include "RecordReader.h"

namespace kaj::glyph {

using controls::DataFile;
using controls::IndexRecord;

// Where a picture goes: the buffer, the shifts that multis give their parts, and
// the hue that items and creatures take.
struct DrawTarget {
    controls::PixelBuffer& buffer;
    const HueTable& hues;
    int dx = 0;
    int dy = 0;
    std::uint16_t hue = 0;
};

// Each decoder draws what it can read whole from the record; the first value that
// does not fit ends the picture where it stands.
void decodeLandTile(RecordReader& record, DrawTarget& target);
void decodeItemArt(RecordReader& record, DrawTarget& target);
void decodeGump(RecordReader& record, const IndexRecord& index, DrawTarget& target);
void decodeTexture(RecordReader& record, const IndexRecord& index, DrawTarget& target);
void decodeLight(RecordReader& record, const IndexRecord& index, DrawTarget& target);
void decodeAnimation(RecordReader& record, DrawTarget& target);

// The side of a texture: the extra field's low 16 bits when they account for the
// record's length exactly; else 64 for a length of 0x2000 and 128 for any other.
int textureSide(const IndexRecord& index);

}  // namespace kaj::glyph
