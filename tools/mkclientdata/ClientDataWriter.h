#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace kaj::clientdata {

enum class TileDataKind { Classic, Wide };
// Mul: every kind in a .mul file (with its index); Packages: art, gumps and the map
// in the packages of today's client (artLegacyMUL.uop, gumpartLegacyMUL.uop,
// map0LegacyMUL.uop) instead, the rest as .mul files.
enum class FileLayout { Mul, Packages };

struct ClientDataOptions {
    std::uint32_t seed = 1;
    TileDataKind tileData = TileDataKind::Classic;
    FileLayout layout = FileLayout::Mul;
};

struct MapDataOptions {
    int width = 6144;  // or 7168, today's
    FileLayout layout = FileLayout::Mul;
};

// Writes synthetic client data files into a folder. What each index holds:
//
// art.mul / artidx.mul
//   land 0-15     diamonds of seeded colours; land 3 a two-colour checker
//   land 16       a record cut after 100 bytes (a partial diamond)
//   item 0        20 x 30, solid rows with a skipped gap of 4 in each row
//   item 1        44 x 44 sparse: runs and skips in every row, no run on some rows
//   item 2        header 0: a land-tile diamond from 4 bytes past the offset
//   item 3        300 x 200, larger than most controls (clipped)
//   item 4        width 0;  item 5  width 1025 (both draw nothing)
//   item 6        a run of skip + length > 2048 in its third row (drawing stops there)
//   item 7        its record's length cut in the middle of row 5
//   item 8-15     multi parts: 44 wide, heights 20 to 90, one colour each
//   item 0x3FFF   a 10 x 10 square (the last item of the clients of old)
//   items 0x4010, 0x8123, 0xC000, 0xFFFF   squares of 14, 16, 18 and 20 (today's client
//                 numbers items to 0xFFFF: the index holds 0x14000 records)
//   chartest 0-3, 20399   small squares (index + 0x8000)
// anim.mul / anim.idx: one frame per body, palette of seeded colours
//   bodies 1, 150, 159, 160, 199, 200, 398, 399, 400, 401 at the records the
//   creature rule gives (thresholds 200 and 400); records 19401 and 34826 (what
//   thresholds 160 and 399 would read) hold a different, full-screen picture
//   body 2       frame count 0;  body 3  first frame outside the record
//   body 4       no end marker (the frame ends with the record)
//   body 5       rows above the top (y < 0) and negative x offsets
// multi.mul / multi.idx
//   multi 0      parts at negative and positive x and y, several per cell with equal
//                and different tops; multi 1  all parts at x, y >= 0;
//   multi 2      a part with a negative top (sorted after all others); multi 8181
// gumpart.mul / gumpidx.mul (packed: width and height lead each gump's data, and
// gumps 1 and 3 are named with seven digits, as some of EA's are)
//   gump 0       40 x 30 with runs of length 0 and colour 0 (black)
//   gump 1       width 0;  gump 2  5000 x 10;  gump 3  its record cut in row 10
// texmaps.mul / texidx.mul
//   texture 0    extra 0, length 0x2000 (64 x 64);  texture 1  extra 1, length 32768 (128)
//   texture 2    extra 32, length 2048 (32 x 32);  texture 3  extra 0, length 32768 (128)
//   texture 4    extra 64 and length 0x2000 cut to 1000 bytes
// light.mul / lightidx.mul
//   light 0      32 wide, 20 high;  light 1  extra 16 (16 x 16);  light 99  8 x 8
// tiledata.mul   items 0-511 (classic or wide layout), height of item k: (k * 7) % 100
// hues.mul       3 whole blocks (hues 1-24) and a trailing partial block of 100 bytes;
//                hue h colour g: a ramp of its own; words 32-43 hold colours of their own
void writeClientData(const std::filesystem::path& folder, const ClientDataOptions& options);

// Writes a full-size world: map0.mul (768 x 512 blocks, or 896 x 512 for a width of
// 7168; in map0LegacyMUL.uop when packed), staidx0.mul, statics0.mul and
// radarcol.mul (0x10000 entries, 0x14000 for the wide world). Sea and land from seeded noise, hills
// with altitudes up to 60, sand shores, grass, forests and rock; roads along every 512th row and
// column of cells on land; towns every 384 cells on land, whose houses hold several statics per
// cell (a floor at the ground's altitude, walls at the same altitude, a roof 20 above); trees in
// forests; a cellar static 5 below the ground in every town; the blocks of the sea and of open land
// hold no statics. radarcol.mul gives every land tile and every static a colour of its own. The
// wide world also holds, in every town, a banner (object 0xC350) standing on the roofs, coloured by
// radar entry 0x10350, past what a 16-bit entry number reaches.
void writeMapData(const std::filesystem::path& folder, std::uint32_t seed,
                  const MapDataOptions& options = {});

// What the generated world holds at a cell, for tests that check the pictures.
struct WorldCell {
    std::uint16_t tile;
    std::int8_t altitude;
};
WorldCell generatedCell(std::uint32_t seed, int x, int y);

// A Wine prefix whose registry names the client (through drive Z:, as Wine maps it
// to /): the classic key's ExePath, folder/client.exe; or, as today's installer
// writes it, the InstallDir of its key in the 32-bit view.
enum class InstallKey { Classic, Todays };
void writeWinePrefix(const std::filesystem::path& prefix, const std::filesystem::path& clientFolder,
                     InstallKey key = InstallKey::Classic);

}  // namespace kaj::clientdata
