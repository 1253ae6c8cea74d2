// mkclientdata FOLDER [--seed N] [--tiledata classic|wide] [--wine-prefix DIR] [--map yes|no]
//              [--layout mul|uop] [--map-width 6144|7168] [--registry classic|today]
// Writes synthetic client data files (see ClientDataWriter.h for what each holds);
// the world map files too unless --map no.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "ClientDataWriter.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: mkclientdata FOLDER [--seed N] [--tiledata classic|wide] "
                     "[--wine-prefix DIR] [--map yes|no] [--layout mul|uop] "
                     "[--map-width 6144|7168] [--registry classic|today]\n");
        return 2;
    }
    kaj::clientdata::ClientDataOptions options;
    std::string prefix;
    bool map = true;
    kaj::clientdata::MapDataOptions mapOptions;
    auto installKey = kaj::clientdata::InstallKey::Classic;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--seed") {
            options.seed = static_cast<std::uint32_t>(std::strtoul(value.c_str(), nullptr, 10));
        } else if (option == "--tiledata") {
            options.tileData = value == "wide" ? kaj::clientdata::TileDataKind::Wide
                                               : kaj::clientdata::TileDataKind::Classic;
        } else if (option == "--layout" && (value == "mul" || value == "uop")) {
            options.layout = value == "uop" ? kaj::clientdata::FileLayout::Packages
                                            : kaj::clientdata::FileLayout::Mul;
            mapOptions.layout = options.layout;
        } else if (option == "--map-width" && (value == "6144" || value == "7168")) {
            mapOptions.width = std::stoi(value);
        } else if (option == "--registry" && (value == "classic" || value == "today")) {
            installKey = value == "today" ? kaj::clientdata::InstallKey::Todays
                                          : kaj::clientdata::InstallKey::Classic;
        } else if (option == "--map") {
            map = value != "no";
        } else if (option == "--wine-prefix") {
            prefix = value;
        } else {
            std::fprintf(stderr, "mkclientdata: unknown option or value: %s %s\n", option.c_str(),
                         value.c_str());
            return 2;
        }
    }
    try {
        kaj::clientdata::writeClientData(argv[1], options);
        if (map) {
            kaj::clientdata::writeMapData(argv[1], options.seed, mapOptions);
        }
        if (!prefix.empty()) {
            kaj::clientdata::writeWinePrefix(prefix, argv[1], installKey);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "mkclientdata: %s\n", error.what());
        return 1;
    }
    return 0;
}
