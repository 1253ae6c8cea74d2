// mkclientdata FOLDER [--seed N] [--tiledata classic|wide] [--wine-prefix DIR] [--map yes|no]
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
                     "[--wine-prefix DIR]\n");
        return 2;
    }
    kaj::clientdata::ClientDataOptions options;
    std::string prefix;
    bool map = true;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--seed") {
            options.seed = static_cast<std::uint32_t>(std::strtoul(value.c_str(), nullptr, 10));
        } else if (option == "--tiledata") {
            options.tileData = value == "wide" ? kaj::clientdata::TileDataKind::Wide
                                               : kaj::clientdata::TileDataKind::Classic;
        } else if (option == "--map") {
            map = value != "no";
        } else if (option == "--wine-prefix") {
            prefix = value;
        } else {
            std::fprintf(stderr, "mkclientdata: unknown option %s\n", option.c_str());
            return 2;
        }
    }
    try {
        kaj::clientdata::writeClientData(argv[1], options);
        if (map) {
            kaj::clientdata::writeMapData(argv[1], options.seed);
        }
        if (!prefix.empty()) {
            kaj::clientdata::writeWinePrefix(prefix, argv[1]);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "mkclientdata: %s\n", error.what());
        return 1;
    }
    return 0;
}
