#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "DataFile.h"
#include "MapBlocks.h"
#include "MapView.h"

namespace kaj::terrain {

class ColourTable;

// The map's files as one render reads them: statics only where they are drawn.
struct MapFiles {
    const MapBlocks* map = nullptr;
    int blockColumns = kClassicBlockColumns;
    const controls::DataFile* staticsIndex = nullptr;  // both or neither
    const controls::DataFile* staticsData = nullptr;
};

// The colours the map shows of its blocks, kept between renders so that a view drawn
// again, or moved, reads only what it has not shown before. A block shows the cells a
// zoom level samples (a by a of its 8 by 8), the top static over the land where
// statics are drawn. They are kept in chunks of 16 by 16 blocks, as the chunk's rows
// of pixels (blue, green, red) at one pixel a cell; the blocks of a column a render needs and has
// not kept are read together (one read of the map, one of the statics index, one of the statics
// where they lie together), and the chunks used longest ago go when more than the budget is kept.
class BlockColours {
  public:
    static constexpr std::size_t kDefaultBudget = std::size_t{64} << 20;

    explicit BlockColours(std::size_t budgetBytes = kDefaultBudget) : budget_(budgetBytes) {}

    // Makes blocks firstRow to endRow of column bx ready, for samples a of 1, 2, 4 or 8.
    void prepareColumn(int bx, int firstRow, int endRow, int samples, const MapFiles& files,
                       const ColourTable& colours);
    // The same for many columns, in ascending order; a view of many columns is read
    // by two threads, each with the chunks of its own half.
    void prepareColumns(const std::vector<int>& columns, int firstRow, int endRow, int samples,
                        const MapFiles& files, const ColourTable& colours);
    // The a pixels of row j of block (bx, by), a column made ready in this render,
    // followed by those of the blocks east of it in its chunk.
    const std::uint8_t* row(int bx, int by, int j, int samples, bool statics) const;
    // Ends a render: chunks beyond the budget go, those used longest ago first.
    void endRender();
    // Forgets everything (the files changed).
    void clear();
    std::size_t bytes() const { return bytes_; }

    static constexpr int kChunkSide = 16;

  private:
    static constexpr int kChunkColumns = kWideBlockColumns / kChunkSide;
    static constexpr int kChunkRows = kBlockRows / kChunkSide;
    static constexpr int kLevels = 8;  // a of 1, 2, 4, 8; statics or not

    struct Chunk {
        std::unique_ptr<std::uint8_t[]> pixels;  // only filled columns are read
        std::size_t size = 0;
        std::uint32_t filledColumns = 0;  // bit c: the chunk's column c is read
        std::uint64_t lastUse = 0;
    };
    // What a statics record says of the cell it stands on; `block` tells which
    // block's record it is, so the table needs no clearing between blocks.
    struct StaticCell {
        std::uint32_t block = 0;
        std::int8_t altitude = 0;
        std::uint16_t object = 0;
    };
    struct StaticsSpan {
        std::uint64_t offset = 0;
        std::uint64_t count = 0;  // whole records inside the file
    };

    // What filling a run of blocks reads into and works with, reused from one run to
    // the next; one for each thread that fills.
    struct Scratch {
        std::vector<std::uint8_t> land;
        std::vector<std::uint8_t> index;
        std::vector<StaticsSpan> spans;
        std::vector<std::uint8_t> records;
        std::uint64_t recordsFirst = 0;
        std::vector<std::uint8_t> ownRecords;
        std::array<StaticCell, 64> table{};
        std::uint32_t tableBlock = 0;
        std::size_t addedBytes = 0;  // of the chunks made
    };

    static std::size_t chunkIndex(int bx, int chunkRow) {
        return static_cast<std::size_t>((bx / kChunkSide) * kChunkRows + chunkRow);
    }
    std::vector<std::unique_ptr<Chunk>>& chunksOf(int samples, bool statics);
    void prepareColumnWith(Scratch& scratch, int bx, int firstRow, int endRow, int samples,
                           const MapFiles& files, const ColourTable& colours);
    void fillRun(Scratch& scratch, std::vector<std::unique_ptr<Chunk>>& chunks, int bx,
                 int firstChunkRow, int endChunkRow, int samples, const MapFiles& files,
                 const ColourTable& colours);
    template <int Samples>
    static void sampleBlock(const Scratch& scratch, const std::uint8_t* blockCells, bool anyStatic,
                            const ColourTable& colours, std::uint8_t* out);
    static void readStatics(Scratch& scratch, int blocks, std::uint64_t firstBlock,
                            const MapFiles& files);
    static const std::uint8_t* staticsOf(Scratch& scratch, int block, const MapFiles& files);

    std::size_t budget_;
    std::size_t bytes_ = 0;
    std::uint64_t render_ = 1;
    std::array<std::vector<std::unique_ptr<Chunk>>, kLevels> levels_;
    Scratch scratch_;
    Scratch helperScratch_;
};

}  // namespace kaj::terrain
