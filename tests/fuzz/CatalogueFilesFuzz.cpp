// The catalogue readers over arbitrary definition, package and script files: a
// server folder and a program folder are written from the input, both loaded,
// the trees built and shown, the script file built and the rows listed.
#include <cstddef>
#include <cstdint>

#include "ArtPreview.h"
#include "CatalogueFileBuilder.h"
#include "CatalogueLoads.h"
#include "CatalogueRows.h"
#include "FuzzFiles.h"
#include "FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kaj;
    static const auto folder = fuzz::scratchFolder("catalogue-fuzz");
    const auto server = folder / "pol";
    const auto program = folder / "kaj";
    std::filesystem::create_directories(server / "config");
    std::filesystem::create_directories(server / "pkg/one/config");
    std::filesystem::create_directories(program);

    fuzz::FuzzInput input(data, size);
    const char* files[] = {"pol/config/itemdesc.cfg", "pol/config/npcdesc.cfg",
                           "pol/pkg/one/pkg.cfg",     "pol/pkg/one/config/itemdesc.cfg",
                           "pol/pkg/one/npcdesc.cfg", "kaj/KajItems.scp",
                           "kaj/KajItems2.scp",       "kaj/KajChar.scp"};
    auto rest = input.rest();
    for (const char* file : files) {
        const std::size_t length =
            rest.empty() ? 0 : std::min<std::size_t>(rest[0] * 16u, rest.size() - 1);
        const auto part = rest.empty() ? rest : rest.subspan(1, length);
        fuzz::writeFile(folder / file, part);
        rest = rest.empty() ? rest : rest.subspan(1 + length);
    }

    const common::MessageSink ignore = [](std::string_view) {};
    for (bool scripts : {false, true}) {
        catalogue::CatalogueState state;
        const catalogue::CatalogueSource source{scripts, program, server};
        catalogue::loadItemCatalogue(state, source, ignore);
        catalogue::loadNpcCatalogue(state, source, ignore);
        (void)state.tvwItems.displayOrder();
        (void)state.tvwNPC.displayOrder();
        (void)catalogue::itemScriptLines(state.ListFullItem);
        for (const auto& row : catalogue::itemRowsMatching(state.ListFullItem, "a")) {
            (void)catalogue::itemArtIndex(row.graphic);
            (void)catalogue::itemArtColor(row.id);
        }
        for (const auto& row : catalogue::npcRowsOfSection(state.ListFullChar, "Misc")) {
            (void)catalogue::npcArtIndex(row.objType);
            (void)catalogue::npcArtColor(row.color);
        }
    }
    return 0;
}
