#include "BlockColours.h"

#include <algorithm>
#include <thread>

#include "LittleEndian.h"
#include "MapRenderer.h"

namespace kaj::terrain {
namespace {

constexpr std::uint64_t kStaticRecord = 7;
constexpr std::uint64_t kIndexRecord = 12;

using controls::readLittle16;
using controls::readLittle32;

std::size_t levelOf(int samples, bool statics) {
    const int size = samples >= 8 ? 3 : samples >= 4 ? 2 : samples >= 2 ? 1 : 0;
    return static_cast<std::size_t>(size * 2 + (statics ? 1 : 0));
}

}  // namespace

std::vector<std::unique_ptr<BlockColours::Chunk>>& BlockColours::chunksOf(int samples,
                                                                          bool statics) {
    auto& chunks = levels_[levelOf(samples, statics)];
    if (chunks.empty()) {
        chunks.resize(kChunkColumns * kChunkRows);
    }
    return chunks;
}

void BlockColours::prepareColumn(int bx, int firstRow, int endRow, int samples,
                                 const MapFiles& files, const ColourTable& colours) {
    prepareColumns({bx}, firstRow, endRow, samples, files, colours);
}

void BlockColours::prepareColumns(const std::vector<int>& columns, int firstRow, int endRow,
                                  int samples, const MapFiles& files, const ColourTable& colours) {
    chunksOf(samples, files.staticsIndex != nullptr);
    // The halves meet at a chunk's edge, so that no chunk is filled by both threads.
    constexpr std::size_t kWorthAThread = 64;
    std::size_t split = columns.size();
    if (columns.size() >= kWorthAThread) {
        split = columns.size() / 2;
        while (split < columns.size() &&
               columns[split] / kChunkSide == columns[split - 1] / kChunkSide) {
            ++split;
        }
    }
    std::thread helper;
    if (split < columns.size()) {
        helper = std::thread([&] {
            for (std::size_t i = split; i < columns.size(); ++i) {
                prepareColumnWith(helperScratch_, columns[i], firstRow, endRow, samples, files,
                                  colours);
            }
        });
    }
    {
        // The helper is joined on every way out, so it never outlives what it reads.
        struct Joined {
            std::thread& thread;
            ~Joined() {
                if (thread.joinable()) {
                    thread.join();
                }
            }
        } joined{helper};
        for (std::size_t i = 0; i < split; ++i) {
            prepareColumnWith(scratch_, columns[i], firstRow, endRow, samples, files, colours);
        }
    }
    for (Scratch* scratch : {&scratch_, &helperScratch_}) {
        bytes_ += scratch->addedBytes;
        scratch->addedBytes = 0;
    }
}

void BlockColours::prepareColumnWith(Scratch& scratch, int bx, int firstRow, int endRow,
                                     int samples, const MapFiles& files,
                                     const ColourTable& colours) {
    firstRow = std::max(firstRow, 0);
    endRow = std::min(endRow, kBlockRows);
    if (bx < 0 || bx >= files.blockColumns || firstRow >= endRow) {
        return;
    }
    auto& chunks = levels_[levelOf(samples, files.staticsIndex != nullptr)];
    const std::uint32_t bit = 1u << (bx % kChunkSide);
    const auto ready = [&](int chunkRow) {
        const auto& chunk = chunks[chunkIndex(bx, chunkRow)];
        return chunk && (chunk->filledColumns & bit) != 0;
    };
    const int endChunkRow = (endRow - 1) / kChunkSide + 1;
    for (int chunkRow = firstRow / kChunkSide; chunkRow < endChunkRow;) {
        if (ready(chunkRow)) {
            chunks[chunkIndex(bx, chunkRow)]->lastUse = render_;
            ++chunkRow;
            continue;
        }
        int runEnd = chunkRow + 1;
        while (runEnd < endChunkRow && !ready(runEnd)) {
            ++runEnd;
        }
        fillRun(scratch, chunks, bx, chunkRow, runEnd, samples, files, colours);
        chunkRow = runEnd;
    }
}

const std::uint8_t* BlockColours::row(int bx, int by, int j, int samples, bool statics) const {
    const auto& chunk = levels_[levelOf(samples, statics)][chunkIndex(bx, by / kChunkSide)];
    const std::size_t rowBytes = static_cast<std::size_t>(kChunkSide * samples * 3);
    return chunk->pixels.get() +
           static_cast<std::size_t>((by % kChunkSide) * samples + j) * rowBytes +
           static_cast<std::size_t>((bx % kChunkSide) * samples * 3);
}

void BlockColours::fillRun(Scratch& scratch, std::vector<std::unique_ptr<Chunk>>& chunks, int bx,
                           int firstChunkRow, int endChunkRow, int samples, const MapFiles& files,
                           const ColourTable& colours) {
    const std::size_t side = static_cast<std::size_t>(kChunkSide * samples);
    const std::uint32_t bit = 1u << (bx % kChunkSide);
    for (int chunkRow = firstChunkRow; chunkRow < endChunkRow; ++chunkRow) {
        auto& chunk = chunks[chunkIndex(bx, chunkRow)];
        if (!chunk) {
            chunk = std::make_unique<Chunk>();
            chunk->size = side * side * 3;
            chunk->pixels.reset(new std::uint8_t[chunk->size]);
            scratch.addedBytes += chunk->size + sizeof(Chunk);
        }
        chunk->filledColumns |= bit;
        chunk->lastUse = render_;
    }

    const int firstRow = firstChunkRow * kChunkSide;
    const int blocks = std::min(endChunkRow * kChunkSide, kBlockRows) - firstRow;
    const std::uint64_t firstBlock =
        static_cast<std::uint64_t>(bx) * kBlockRows + static_cast<std::uint64_t>(firstRow);

    // The map's blocks; what the file does not hold is tile 0 at altitude 0.
    scratch.land.resize(static_cast<std::size_t>(blocks) * kBlockBytes);
    std::size_t available = 0;
    const std::uint64_t start = firstBlock * kBlockBytes;
    if (start < files.map->size()) {
        available = static_cast<std::size_t>(
            std::min<std::uint64_t>(scratch.land.size(), files.map->size() - start));
        if (!files.map->readAt(start, scratch.land.data(), available)) {
            available = 0;
        }
    }
    std::fill(scratch.land.begin() + static_cast<std::ptrdiff_t>(available), scratch.land.end(), 0);
    const bool statics = files.staticsIndex != nullptr;
    if (statics) {
        readStatics(scratch, blocks, firstBlock, files);
    }

    for (int b = 0; b < blocks; ++b) {
        const int row = firstRow + b;
        const std::uint8_t* blockCells =
            scratch.land.data() + static_cast<std::size_t>(b) * kBlockBytes + 4;
        const std::uint8_t* records = statics ? staticsOf(scratch, b, files) : nullptr;
        bool anyStatic = false;
        if (records != nullptr) {
            if (++scratch.tableBlock == 0) {
                scratch.table.fill(StaticCell{});
                scratch.tableBlock = 1;
            }
            const std::uint64_t count = scratch.spans[static_cast<std::size_t>(b)].count;
            for (std::uint64_t r = 0; r < count; ++r) {
                const std::uint8_t* record = records + r * kStaticRecord;
                const unsigned sx = record[2];
                const unsigned sy = record[3];
                if (sx > 7 || sy > 7) {
                    continue;
                }
                StaticCell& cell = scratch.table[sy * 8 + sx];
                const auto altitude = static_cast<std::int8_t>(record[4]);
                if (cell.block != scratch.tableBlock || altitude >= cell.altitude) {
                    cell = {scratch.tableBlock, altitude, readLittle16(record)};
                    anyStatic = true;
                }
            }
        }
        std::uint8_t* out = chunks[chunkIndex(bx, row / kChunkSide)]->pixels.get() +
                            static_cast<std::size_t>((row % kChunkSide) * samples) * side * 3 +
                            static_cast<std::size_t>((bx % kChunkSide) * samples * 3);
        switch (samples) {
            case 1:
                sampleBlock<1>(scratch, blockCells, anyStatic, colours, out);
                break;
            case 2:
                sampleBlock<2>(scratch, blockCells, anyStatic, colours, out);
                break;
            case 4:
                sampleBlock<4>(scratch, blockCells, anyStatic, colours, out);
                break;
            default:
                sampleBlock<8>(scratch, blockCells, anyStatic, colours, out);
                break;
        }
    }
}

// The colours of the cells a block shows, a by a of its 8 by 8, row by row: the top
// static where it stands at or above the land, else the land.
template <int Samples>
void BlockColours::sampleBlock(const Scratch& scratch, const std::uint8_t* blockCells,
                               bool anyStatic, const ColourTable& colours, std::uint8_t* out) {
    constexpr std::size_t kRowBytes = kChunkSide * Samples * 3;
    for (int j = 0; j < Samples; ++j) {
        const int cy = j * 8 / Samples;
        for (int i = 0; i < Samples; ++i) {
            const int cx = i * 8 / Samples;
            const std::uint8_t* cell = blockCells + (cy * 8 + cx) * 3;
            std::uint32_t colour = colours.land(readLittle16(cell));
            if (anyStatic) {
                const StaticCell& top = scratch.table[static_cast<std::size_t>(cy * 8 + cx)];
                if (top.block == scratch.tableBlock &&
                    top.altitude >= static_cast<std::int8_t>(cell[2])) {
                    colour = colours.staticObject(top.object);
                }
            }
            std::uint8_t* pixel =
                out + static_cast<std::size_t>(j) * kRowBytes + static_cast<std::size_t>(i) * 3;
            pixel[0] = static_cast<std::uint8_t>(colour >> 16);
            pixel[1] = static_cast<std::uint8_t>(colour >> 8);
            pixel[2] = static_cast<std::uint8_t>(colour);
        }
    }
}

// The statics index records of a run's blocks, and their statics in one read where
// they lie close together; a block whose record is not whole in the index has none.
void BlockColours::readStatics(Scratch& scratch, int blocks, std::uint64_t firstBlock,
                               const MapFiles& files) {
    scratch.spans.assign(static_cast<std::size_t>(blocks), StaticsSpan{});
    scratch.index.resize(static_cast<std::size_t>(blocks) * kIndexRecord);
    std::size_t indexAvailable = 0;
    const std::uint64_t indexStart = firstBlock * kIndexRecord;
    if (indexStart < files.staticsIndex->size()) {
        indexAvailable = static_cast<std::size_t>(
            std::min<std::uint64_t>(scratch.index.size(), files.staticsIndex->size() - indexStart) /
            kIndexRecord * kIndexRecord);
        if (!files.staticsIndex->readAt(indexStart, scratch.index.data(), indexAvailable)) {
            indexAvailable = 0;
        }
    }
    const std::uint64_t dataSize = files.staticsData->size();
    std::uint64_t total = 0;
    std::uint64_t spanFirst = 0;
    std::uint64_t spanEnd = 0;
    for (std::size_t b = 0; (b + 1) * kIndexRecord <= indexAvailable; ++b) {
        const std::uint8_t* entry = scratch.index.data() + b * kIndexRecord;
        const auto offset = static_cast<std::int32_t>(readLittle32(entry));
        const auto length = static_cast<std::int32_t>(readLittle32(entry + 4));
        if (offset < 0 || length < static_cast<std::int32_t>(kStaticRecord) ||
            static_cast<std::uint64_t>(offset) >= dataSize) {
            continue;
        }
        const std::uint64_t fits = (dataSize - static_cast<std::uint64_t>(offset)) / kStaticRecord;
        StaticsSpan& span = scratch.spans[b];
        span = {static_cast<std::uint64_t>(offset),
                std::min<std::uint64_t>(static_cast<std::uint64_t>(length) / kStaticRecord, fits)};
        if (span.count == 0) {
            continue;
        }
        const std::uint64_t end = span.offset + span.count * kStaticRecord;
        spanFirst = total == 0 ? span.offset : std::min(spanFirst, span.offset);
        spanEnd = std::max(spanEnd, end);
        total += span.count * kStaticRecord;
    }
    scratch.records.clear();
    scratch.recordsFirst = spanFirst;
    if (total > 0 && spanEnd - spanFirst <= 2 * total + 4096) {
        scratch.records.resize(static_cast<std::size_t>(spanEnd - spanFirst));
        if (!files.staticsData->readAt(spanFirst, scratch.records.data(), scratch.records.size())) {
            scratch.records.clear();
        }
    }
}

const std::uint8_t* BlockColours::staticsOf(Scratch& scratch, int block, const MapFiles& files) {
    const StaticsSpan& span = scratch.spans[static_cast<std::size_t>(block)];
    if (span.count == 0) {
        return nullptr;
    }
    if (!scratch.records.empty()) {
        return scratch.records.data() + (span.offset - scratch.recordsFirst);
    }
    scratch.ownRecords.resize(static_cast<std::size_t>(span.count * kStaticRecord));
    if (!files.staticsData->readAt(span.offset, scratch.ownRecords.data(),
                                   scratch.ownRecords.size())) {
        return nullptr;
    }
    return scratch.ownRecords.data();
}

void BlockColours::endRender() {
    ++render_;
    if (bytes_ <= budget_) {
        return;
    }
    std::vector<std::unique_ptr<Chunk>*> kept;
    for (auto& chunks : levels_) {
        for (auto& chunk : chunks) {
            if (chunk) {
                kept.push_back(&chunk);
            }
        }
    }
    std::sort(kept.begin(), kept.end(),
              [](const auto* a, const auto* b) { return (*a)->lastUse < (*b)->lastUse; });
    for (auto* chunk : kept) {
        if (bytes_ <= budget_) {
            break;
        }
        bytes_ -= (*chunk)->size + sizeof(Chunk);
        chunk->reset();
    }
}

void BlockColours::clear() {
    for (auto& chunks : levels_) {
        chunks.clear();
    }
    bytes_ = 0;
}

}  // namespace kaj::terrain
