#include "ClientDataWriter.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <stdexcept>
#include <vector>

#include "ClientPackage.h"
#include "PackageWriter.h"

namespace kaj::clientdata {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A generator whose sequence is the same on every system.
class Random {
  public:
    explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    std::uint16_t colour() { return static_cast<std::uint16_t>(next() & 0x7FFF); }

  private:
    std::uint32_t state_;
};

void put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A data file and its index file, built together.
class MulPair {
  public:
    explicit MulPair(std::size_t records) : index_(records) {}
    void add(std::size_t n, const Bytes& data, std::uint32_t extra = 0) {
        addCut(n, data, data.size(), extra);
    }
    // Stores the data whole but records a shorter length.
    void addCut(std::size_t n, const Bytes& data, std::size_t recordedLength,
                std::uint32_t extra = 0) {
        index_.at(n) = {static_cast<std::int32_t>(data_.size()),
                        static_cast<std::int32_t>(recordedLength), extra};
        data_.insert(data_.end(), data.begin(), data.end());
    }
    void write(const std::filesystem::path& dataPath,
               const std::filesystem::path& indexPath) const {
        std::ofstream(dataPath, std::ios::binary)
            .write(reinterpret_cast<const char*>(data_.data()),
                   static_cast<std::streamsize>(data_.size()));
        Bytes index;
        for (const auto& entry : index_) {
            put32(index, static_cast<std::uint32_t>(entry.offset));
            put32(index, static_cast<std::uint32_t>(entry.length));
            put32(index, entry.extra);
        }
        std::ofstream(indexPath, std::ios::binary)
            .write(reinterpret_cast<const char*>(index.data()),
                   static_cast<std::streamsize>(index.size()));
    }

    // The same records as a package's entries, named after their numbers; a gump's
    // entry starts with the width and height its index record's extra field holds.
    struct PackageNaming {
        const char* folder;                         // "build/artlegacymul/"
        bool sizeInData = false;                    // gumps
        std::vector<std::size_t> sevenDigits = {};  // records named with seven digits
    };
    void writePackage(const std::filesystem::path& path, const PackageNaming& naming,
                      std::uint32_t seed) const {
        PackageWriter package(seed);
        for (std::size_t n = 0; n < index_.size(); ++n) {
            const Entry& entry = index_[n];
            if (entry.offset < 0) {
                continue;
            }
            Bytes data;
            if (naming.sizeInData) {
                put32(data, entry.extra >> 16);
                put32(data, entry.extra & 0xFFFF);
            }
            const auto first = data_.begin() + entry.offset;
            data.insert(data.end(), first, first + std::max(entry.length, 0));
            const bool seven = std::find(naming.sevenDigits.begin(), naming.sevenDigits.end(), n) !=
                               naming.sevenDigits.end();
            package.add(controls::numberedEntryName(naming.folder, n, ".tga", seven ? 7 : 8),
                        std::move(data));
        }
        package.write(path);
    }

  private:
    struct Entry {
        std::int32_t offset = -1;
        std::int32_t length = -1;
        std::uint32_t extra = 0;
    };
    Bytes data_;
    std::vector<Entry> index_;
};

Bytes landTile(Random& random, bool checker = false) {
    Bytes out;
    const std::uint16_t a = random.colour();
    const std::uint16_t b = random.colour();
    for (int i = 0; i < 1012; ++i) {
        put16(out,
              checker ? ((i / 3) % 2 ? a : b) : static_cast<std::uint16_t>((a + i * 37) & 0x7FFF));
    }
    return out;
}

// Item art from rows of (skip, run colours) lists.
struct Run {
    int skip;
    std::vector<std::uint16_t> colours;
};
Bytes itemArt(int width, int height, const std::vector<std::vector<Run>>& rows,
              std::uint32_t header = 1) {
    Bytes pixels;
    std::vector<std::uint16_t> offsets;
    for (int r = 0; r < height; ++r) {
        offsets.push_back(static_cast<std::uint16_t>(pixels.size() / 2));
        if (r < static_cast<int>(rows.size())) {
            for (const auto& run : rows[static_cast<std::size_t>(r)]) {
                put16(pixels, static_cast<std::uint32_t>(run.skip));
                put16(pixels, static_cast<std::uint32_t>(run.colours.size()));
                for (auto c : run.colours)
                    put16(pixels, c);
            }
        }
        put16(pixels, 0);
        put16(pixels, 0);
    }
    Bytes out;
    put32(out, header);
    put16(out, static_cast<std::uint32_t>(width));
    put16(out, static_cast<std::uint32_t>(height));
    for (auto o : offsets)
        put16(out, o);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

std::vector<std::vector<Run>> solid(int width, int height, Random& random) {
    std::vector<std::vector<Run>> rows;
    for (int r = 0; r < height; ++r) {
        const std::uint16_t c = random.colour();
        rows.push_back({Run{0, std::vector<std::uint16_t>(static_cast<std::size_t>(width), c)}});
    }
    return rows;
}

struct Chunk {
    int row;  // row marker, 0-15
    int x;    // signed offset
    std::vector<std::uint8_t> indexes;
};
Bytes animation(Random& random, const std::vector<Chunk>& chunks, std::int16_t h1, std::int16_t h4,
                std::uint32_t frameCount = 1, bool endMarker = true, std::uint32_t firstFrame = 4) {
    Bytes out;
    for (int i = 0; i < 256; ++i)
        put16(out, random.colour() | (i == 7 ? 0x8000u : 0u));
    put32(out, frameCount);
    for (std::uint32_t i = 0; i < frameCount; ++i)
        put32(out, firstFrame + i * 0);
    // Frame offsets count from the end of the palette; the frame follows the table.
    if (frameCount > 0 && firstFrame == 4) {
        // Rewrite the first offset to point past the table.
        const std::uint32_t past = 4 + 4 * frameCount;
        for (int k = 0; k < 4; ++k)
            out[512 + 4 + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(past >> (8 * k));
    }
    put16(out, static_cast<std::uint16_t>(h1));
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<std::uint16_t>(h4));
    for (const auto& chunk : chunks) {
        put16(out,
              static_cast<std::uint32_t>((chunk.row & 15) << 12 | (chunk.indexes.size() & 0xFFF)));
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(chunk.x * 64)));
        out.insert(out.end(), chunk.indexes.begin(), chunk.indexes.end());
    }
    if (endMarker) {
        put16(out, 0x7FFF);
        put16(out, 0x7FFF);
    }
    return out;
}

std::vector<Chunk> figure(int rows, int width, int firstX, std::uint8_t paletteStart) {
    std::vector<Chunk> chunks;
    for (int r = 0; r < rows; ++r) {
        Chunk chunk{r % 16, firstX + (r % 5) - 2, {}};
        for (int i = 0; i < width - (r % 7); ++i)
            chunk.indexes.push_back(static_cast<std::uint8_t>(paletteStart + r + i));
        chunks.push_back(chunk);
        if (r % 4 == 1) {  // a second run on the same row
            chunks.push_back(Chunk{r % 16,
                                   firstX + width + 3,
                                   {paletteStart, static_cast<std::uint8_t>(paletteStart + 1)}});
        }
    }
    return chunks;
}

Bytes gump(int width, int height, Random& random, std::uint32_t* extra) {
    std::vector<Bytes> rows;
    for (int r = 0; r < height; ++r) {
        Bytes row;
        int x = 0;
        while (x < width) {
            const int length = std::min(width - x, 1 + static_cast<int>(random.next() % 9));
            const std::uint16_t colour = (random.next() % 5 == 0) ? 0 : random.colour();
            put32(row, static_cast<std::uint32_t>(length) << 16 | colour);
            if (random.next() % 4 == 0)
                put32(row, random.colour());  // a run of length 0
            x += length;
        }
        rows.push_back(row);
    }
    Bytes out;
    std::uint32_t offset = static_cast<std::uint32_t>(height);
    for (const auto& row : rows) {
        put32(out, offset);
        offset += static_cast<std::uint32_t>(row.size() / 4);
    }
    for (const auto& row : rows)
        out.insert(out.end(), row.begin(), row.end());
    *extra = static_cast<std::uint32_t>(width) << 16 | static_cast<std::uint32_t>(height);
    return out;
}

Bytes colours(std::size_t count, Random& random) {
    Bytes out;
    std::uint16_t base = random.colour();
    for (std::size_t i = 0; i < count; ++i)
        put16(out, static_cast<std::uint16_t>((base + i * 3) & 0x7FFF));
    return out;
}

Bytes multi(const std::vector<std::array<int, 4>>& parts) {
    Bytes out;
    for (const auto& p : parts) {
        put16(out, static_cast<std::uint32_t>(p[0]));
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(p[1])));
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(p[2])));
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(p[3])));
        put32(out, 0);
    }
    return out;
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

void writeClientData(const std::filesystem::path& folder, const ClientDataOptions& options) {
    std::filesystem::create_directories(folder);
    Random random(options.seed);

    // Art: land, items, character tests.
    MulPair art(0x4000 + 0x10000);
    for (int land = 0; land < 16; ++land)
        art.add(static_cast<std::size_t>(land), landTile(random, land == 3));
    art.addCut(16, landTile(random), 100);
    {
        std::vector<std::vector<Run>> rows;
        for (int r = 0; r < 30; ++r) {
            rows.push_back({Run{0, std::vector<std::uint16_t>(8, random.colour())},
                            Run{4, std::vector<std::uint16_t>(8, random.colour())}});
        }
        art.add(0x4000 + 0, itemArt(20, 30, rows));
    }
    {
        std::vector<std::vector<Run>> rows;
        for (int r = 0; r < 44; ++r) {
            if (r % 6 == 5) {
                rows.push_back({});
                continue;
            }
            rows.push_back({Run{r % 11, std::vector<std::uint16_t>(
                                            static_cast<std::size_t>(3 + r % 9), random.colour())},
                            Run{2 + r % 3, std::vector<std::uint16_t>(5, random.colour())}});
        }
        art.add(0x4000 + 1, itemArt(44, 44, rows));
    }
    {
        Bytes fallback;
        put32(fallback, 0);
        const Bytes tile = landTile(random);
        fallback.insert(fallback.end(), tile.begin(), tile.end());
        art.add(0x4000 + 2, fallback);
    }
    art.add(0x4000 + 3, itemArt(300, 200, solid(300, 200, random)));
    art.add(0x4000 + 4, itemArt(0, 5, {}));
    art.add(0x4000 + 5, itemArt(1025, 5, {}));
    {
        auto rows = solid(16, 6, random);
        rows[2] = {Run{1500, std::vector<std::uint16_t>(600, random.colour())}};
        art.add(0x4000 + 6, itemArt(16, 6, rows));
    }
    {
        const Bytes item = itemArt(24, 24, solid(24, 24, random));
        art.addCut(0x4000 + 7, item, 8 + 48 + 5 * (8 + 48) + 20);
    }
    for (int part = 0; part < 8; ++part) {
        const int height = 20 + part * 10;
        std::vector<std::vector<Run>> rows;
        const std::uint16_t c = random.colour();
        for (int r = 0; r < height; ++r) {
            const int inset = r < 22 ? 22 - r : 0;
            rows.push_back(
                {Run{inset, std::vector<std::uint16_t>(static_cast<std::size_t>(44 - 2 * inset),
                                                       static_cast<std::uint16_t>(c + r))}});
        }
        art.add(0x4000 + 8 + static_cast<std::size_t>(part), itemArt(44, height, rows));
    }
    art.add(0x4000 + 0x3FFF, itemArt(10, 10, solid(10, 10, random)));
    for (int test : {0, 1, 2, 3, 20399})
        art.add(0x8000 + static_cast<std::size_t>(test), itemArt(12, 12, solid(12, 12, random)));
    int side = 14;
    for (std::size_t item : {0x4010u, 0x8123u, 0xC000u, 0xFFFFu}) {
        art.add(0x4000 + item, itemArt(side, side, solid(side, side, random)));
        side += 2;
    }
    const bool packed = options.layout == FileLayout::Packages;
    if (packed) {
        art.writePackage(folder / "artLegacyMUL.uop", {"build/artlegacymul/"}, options.seed);
    } else {
        art.write(folder / "art.mul", folder / "artidx.mul");
    }

    // Creatures.
    MulPair anim(35200);
    auto body = [](std::uint32_t b) -> std::size_t {
        if (b < 200)
            return b * 110 + 1;
        if (b < 400)
            return b * 65 + 9001;
        return b * 175 - 35000 + 1;
    };
    std::uint8_t paletteStart = 10;
    for (std::uint32_t b : {1u, 150u, 159u, 160u, 199u, 200u, 398u, 399u, 400u, 401u}) {
        anim.add(body(b),
                 animation(random, figure(30 + static_cast<int>(b % 20), 18, -9, paletteStart), -20,
                           static_cast<std::int16_t>(40 + b % 10)));
        paletteStart = static_cast<std::uint8_t>(paletteStart + 13);
    }
    for (std::size_t wrong : {19401u, 34826u})
        anim.add(wrong, animation(random, figure(15, 200, -100, 0), 0, 100));
    anim.add(body(2), animation(random, figure(5, 5, 0, 0), 0, 10, 0));
    anim.add(body(3), animation(random, figure(5, 5, 0, 0), 0, 10, 1, true, 50000));
    anim.add(body(4), animation(random, figure(12, 10, -5, 3), 0, 10, 1, false));
    {
        auto chunks = figure(20, 8, -120, 60);
        anim.add(body(5), animation(random, chunks, -70, 40));
    }
    anim.write(folder / "anim.mul", folder / "anim.idx");

    // Multis.
    MulPair multis(8182);
    multis.add(0, multi({{8, -1, -1, 0},
                         {9, 0, -1, 0},
                         {10, 1, -1, 0},
                         {11, -1, 0, 0},
                         {12, 0, 0, 0},
                         {13, 0, 0, 0},
                         {8, 0, 0, 5},
                         {14, 1, 0, 10},
                         {15, 1, 1, 0},
                         {9, -1, 1, 20}}));
    multis.add(1, multi({{8, 0, 0, 0}, {9, 1, 0, 0}, {10, 2, 1, 0}, {11, 3, 2, 5}}));
    multis.add(2, multi({{12, 0, 0, -100}, {8, 0, 0, 0}, {9, 0, 0, 3}}));
    multis.add(8181, multi({{10, 0, 0, 0}}));
    multis.write(folder / "multi.mul", folder / "multi.idx");

    // Gumps.
    MulPair gumps(8);
    std::uint32_t extra = 0;
    Bytes g0 = gump(40, 30, random, &extra);
    gumps.add(0, g0, extra);
    gumps.add(1, gump(4, 4, random, &extra), 4);
    gumps.add(2, gump(5000, 10, random, &extra), extra);
    Bytes g3 = gump(40, 30, random, &extra);
    gumps.addCut(3, g3, g3.size() / 3, extra);
    if (packed) {
        gumps.writePackage(folder / "gumpartLegacyMUL.uop",
                           {"build/gumpartlegacymul/", true, {1, 3}}, options.seed + 1);
    } else {
        gumps.write(folder / "gumpart.mul", folder / "gumpidx.mul");
    }

    // Textures.
    MulPair textures(8);
    textures.add(0, colours(64 * 64, random), 0);
    textures.add(1, colours(128 * 128, random), 1);
    textures.add(2, colours(32 * 32, random), 32);
    textures.add(3, colours(128 * 128, random), 0);
    textures.addCut(4, colours(64 * 64, random), 1000, 64);
    textures.write(folder / "texmaps.mul", folder / "texidx.mul");

    // Lights.
    MulPair lights(100);
    auto levels = [&](int w, int h) {
        Bytes out;
        for (int i = 0; i < w * h; ++i)
            out.push_back(static_cast<std::uint8_t>(random.next()));
        return out;
    };
    lights.add(0, levels(32, 20), 20u << 16 | 32u);
    lights.add(1, levels(16, 16), 16);
    lights.add(99, levels(8, 8), 8u << 16 | 8u);
    lights.write(folder / "light.mul", folder / "lightidx.mul");

    // Tile data: only the item heights matter here.
    {
        const bool wide = options.tileData == TileDataKind::Wide;
        const std::size_t land = wide ? 0x78800 : 428032;
        const std::size_t record = wide ? 41 : 37;
        Bytes tiles(land, 0);
        for (int block = 0; block < 16; ++block) {
            put32(tiles, 0);
            for (int i = 0; i < 32; ++i) {
                Bytes rec(record, 0);
                rec[wide ? 20 : 16] = static_cast<std::uint8_t>(((block * 32 + i) * 7) % 100);
                tiles.insert(tiles.end(), rec.begin(), rec.end());
            }
        }
        writeFile(folder / "tiledata.mul", tiles);
    }

    // Hues: three whole blocks and a partial one.
    {
        Bytes hues;
        for (int block = 0; block < 3; ++block) {
            put32(hues, 0);
            for (int h = 0; h < 8; ++h) {
                const std::uint16_t start = random.colour();
                for (int g = 0; g < 44; ++g)
                    put16(hues, static_cast<std::uint16_t>(
                                    (start + g * 33 + (g >= 32 ? 0x2000 : 0)) & 0x7FFF));
            }
        }
        for (int i = 0; i < 100; ++i)
            hues.push_back(static_cast<std::uint8_t>(random.next()));
        writeFile(folder / "hues.mul", hues);
    }
    writeFile(folder / "client.exe", Bytes{'M', 'Z'});
}

namespace {

constexpr std::uint16_t kWater = 0x00A8;
constexpr std::uint16_t kSand = 0x0016;
constexpr std::uint16_t kGrass = 0x0003;
constexpr std::uint16_t kForest = 0x00C4;
constexpr std::uint16_t kRock = 0x022C;
constexpr std::uint16_t kRoad = 0x0071;
constexpr std::uint16_t kTree = 0x0CCA;
constexpr std::uint16_t kFloor = 0x0519;
constexpr std::uint16_t kWall = 0x0064;
constexpr std::uint16_t kRoof = 0x05B0;
constexpr std::uint16_t kCellar = 0x0A50;
constexpr std::uint16_t kBanner = 0xC350;

std::uint32_t latticeValue(std::uint32_t seed, int x, int y) {
    std::uint32_t h = seed * 0x9E3779B1u ^ static_cast<std::uint32_t>(x) * 0x85EBCA77u ^
                      static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h & 0xFFFF;
}

// Bilinear value noise on a lattice of the given spacing, 0 ... 65535.
int noise(std::uint32_t seed, int x, int y, int spacing) {
    const int gx = x / spacing;
    const int gy = y / spacing;
    const int fx = x % spacing;
    const int fy = y % spacing;
    const long long a = latticeValue(seed, gx, gy);
    const long long b = latticeValue(seed, gx + 1, gy);
    const long long c = latticeValue(seed, gx, gy + 1);
    const long long d = latticeValue(seed, gx + 1, gy + 1);
    const long long top = a * (spacing - fx) + b * fx;
    const long long bottom = c * (spacing - fx) + d * fx;
    return static_cast<int>((top * (spacing - fy) + bottom * fy) /
                            (static_cast<long long>(spacing) * spacing));
}

bool isTown(int x, int y) {
    return x % 384 >= 160 && x % 384 < 224 && y % 384 >= 160 && y % 384 < 224;
}

}  // namespace

WorldCell generatedCell(std::uint32_t seed, int x, int y) {
    const int elevation =
        (noise(seed, x, y, 256) * 3 + noise(seed + 1, x, y, 48)) / 4;  // 0 ... 65535
    const int sea = 30000;
    if (elevation < sea) {
        return {static_cast<std::uint16_t>(kWater + (x + y) % 4), -5};
    }
    const auto altitude = static_cast<std::int8_t>(std::min(60, (elevation - sea) / 400));
    if (x % 512 == 256 || y % 512 == 256)
        return {kRoad, altitude};
    if (elevation < sea + 600)
        return {kSand, altitude};
    if (altitude > 45)
        return {kRock, altitude};
    if (noise(seed + 2, x, y, 32) > 44000)
        return {kForest, altitude};
    return {static_cast<std::uint16_t>(kGrass + (x * 7 + y * 3) % 3), altitude};
}

void writeMapData(const std::filesystem::path& folder, std::uint32_t seed,
                  const MapDataOptions& options) {
    std::filesystem::create_directories(folder);
    const bool wide = options.width > 6144;
    const int blockColumns = wide ? 896 : 768;
    const bool packed = options.layout == FileLayout::Packages;
    std::ofstream map;
    if (!packed) {
        map.open(folder / "map0.mul", std::ios::binary);
    }
    Bytes packedMap;
    Bytes index;
    index.reserve(static_cast<std::size_t>(blockColumns) * 512 * 12);
    Bytes statics;
    Bytes block;
    Bytes records;
    for (int bx = 0; bx < blockColumns; ++bx) {
        Bytes column;
        column.reserve(512 * 196);
        for (int by = 0; by < 512; ++by) {
            records.clear();
            put32(column, 0);
            for (int cy = 0; cy < 8; ++cy) {
                for (int cx = 0; cx < 8; ++cx) {
                    const int x = bx * 8 + cx;
                    const int y = by * 8 + cy;
                    const WorldCell cell = generatedCell(seed, x, y);
                    put16(column, cell.tile);
                    column.push_back(static_cast<std::uint8_t>(cell.altitude));
                    auto addStatic = [&](std::uint16_t object, int altitude) {
                        put16(records, object);
                        records.push_back(static_cast<std::uint8_t>(cx));
                        records.push_back(static_cast<std::uint8_t>(cy));
                        records.push_back(
                            static_cast<std::uint8_t>(static_cast<std::int8_t>(altitude)));
                        put16(records, 0);
                    };
                    if (cell.tile >= kWater && cell.tile < kWater + 4)
                        continue;
                    if (isTown(x, y)) {
                        const int house = (x % 16 < 12 && y % 16 < 12) ? 1 : 0;
                        if (house) {
                            const bool edge =
                                x % 16 == 0 || x % 16 == 11 || y % 16 == 0 || y % 16 == 11;
                            addStatic(kFloor, cell.altitude);
                            if (edge)
                                addStatic(static_cast<std::uint16_t>(kWall + (x + y) % 2),
                                          cell.altitude);
                            addStatic(static_cast<std::uint16_t>(kRoof + (x / 16 + y / 16) % 3),
                                      cell.altitude + 20);
                        }
                        if (x % 384 == 170 && y % 384 == 170)
                            addStatic(kCellar, cell.altitude - 5);
                        if (wide && house && x % 16 == 6 && y % 16 == 6)
                            addStatic(kBanner, cell.altitude + 30);
                    } else if (cell.tile == kForest && (x * 13 + y * 7) % 5 == 0) {
                        addStatic(static_cast<std::uint16_t>(kTree + (x + y) % 3), cell.altitude);
                    }
                }
            }
            if (records.empty()) {
                put32(index, 0xFFFFFFFFu);
                put32(index, 0);
            } else {
                put32(index, static_cast<std::uint32_t>(statics.size()));
                put32(index, static_cast<std::uint32_t>(records.size()));
                statics.insert(statics.end(), records.begin(), records.end());
            }
            put32(index, 0);
        }
        if (packed) {
            packedMap.insert(packedMap.end(), column.begin(), column.end());
        } else {
            map.write(reinterpret_cast<const char*>(column.data()),
                      static_cast<std::streamsize>(column.size()));
        }
    }
    if (packed) {
        // Entry k holds blocks 4096 k to 4096 k + 4095, stored plain as the client's are.
        PackageWriter package(seed);
        package.storeAllPlain();
        constexpr std::size_t kEntryBytes = std::size_t{4096} * 196;
        for (std::size_t at = 0, k = 0; at < packedMap.size(); at += kEntryBytes, ++k) {
            const std::string name = controls::numberedEntryName("build/map0legacymul/", k, ".dat");
            const auto first = packedMap.begin() + static_cast<std::ptrdiff_t>(at);
            package.add(name, Bytes(first, first + static_cast<std::ptrdiff_t>(std::min(
                                                       kEntryBytes, packedMap.size() - at))));
        }
        package.write(folder / "map0LegacyMUL.uop");
    } else if (!map) {
        throw std::runtime_error("cannot write " + (folder / "map0.mul").string());
    }
    writeFile(folder / "staidx0.mul", index);
    writeFile(folder / "statics0.mul", statics);

    Random random(seed);
    Bytes radar;
    for (int entry = 0; entry < (wide ? 0x14000 : 0x10000); ++entry)
        put16(radar, random.colour());
    auto colour = [&](std::uint32_t entry, std::uint16_t value) {
        radar[entry * 2] = static_cast<std::uint8_t>(value);
        radar[entry * 2 + 1] = static_cast<std::uint8_t>(value >> 8);
    };
    auto rgb = [](int r, int g, int b) { return static_cast<std::uint16_t>(r << 10 | g << 5 | b); };
    for (int i = 0; i < 4; ++i)
        colour(kWater + static_cast<std::uint32_t>(i), rgb(2, 6 + i, 20 + i));
    colour(kSand, rgb(27, 25, 15));
    for (int i = 0; i < 3; ++i)
        colour(kGrass + static_cast<std::uint32_t>(i), rgb(6 + i, 20 + i, 5));
    colour(kForest, rgb(3, 13, 3));
    colour(kRock, rgb(16, 15, 14));
    colour(kRoad, rgb(20, 14, 8));
    for (int i = 0; i < 3; ++i)
        colour(0x4000 + kTree + static_cast<std::uint32_t>(i), rgb(1, 9 + i, 2));
    colour(0x4000 + kFloor, rgb(22, 18, 12));
    colour(0x4000 + kWall, rgb(25, 25, 25));
    colour(0x4000 + kWall + 1, rgb(23, 23, 24));
    for (int i = 0; i < 3; ++i)
        colour(0x4000 + kRoof + static_cast<std::uint32_t>(i), rgb(22 + i * 3, 4, 3));
    colour(0x4000 + kCellar, rgb(31, 0, 31));
    if (wide)
        colour(0x4000 + kBanner, rgb(31, 31, 0));
    writeFile(folder / "radarcol.mul", radar);
}

void writeWinePrefix(const std::filesystem::path& prefix, const std::filesystem::path& clientFolder,
                     InstallKey key) {
    std::filesystem::create_directories(prefix / "dosdevices");
    const auto link = prefix / "dosdevices" / "z:";
    std::error_code ignored;
    std::filesystem::remove(link, ignored);
    std::filesystem::create_directory_symlink("/", link);
    std::string windowsPath =
        "Z:" + std::filesystem::absolute(clientFolder).lexically_normal().string();
    std::string escaped;
    for (char c : windowsPath) {
        if (c == '/')
            escaped += "\\\\";
        else
            escaped += c;
    }
    if (!escaped.ends_with("\\\\"))
        escaped += "\\\\";
    std::ofstream out(prefix / "system.reg", std::ios::binary);
    out << "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch="
        << (key == InstallKey::Todays ? "win64" : "win32") << "\n\n";
    if (key == InstallKey::Todays) {
        out << "[Software\\\\Wow6432Node\\\\Electronic Arts\\\\EA Games\\\\Ultima Online "
               "Classic] 1700000000\n"
            << "\"InstallDir\"=\"" << escaped << "\"\n";
        return;
    }
    out << "[Software\\\\Origin Worlds Online\\\\Ultima Online\\\\1.0] 1700000000\n"
        << "\"ExePath\"=\"" << escaped << "client.exe\"\n";
}

}  // namespace kaj::clientdata
