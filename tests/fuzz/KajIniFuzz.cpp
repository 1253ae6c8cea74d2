// Kaj.ini over arbitrary bytes: the file is loaded and saved twice over. Values are
// trimmed when read, so the first save may tidy the file; from then on a save must
// give back exactly what was loaded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzFiles.h"
#include "KajSettings.h"

namespace {

bool loadAndSave(const std::filesystem::path& file, std::vector<std::string>& lines) {
    kaj::console::ConsoleSettings settings;
    if (kaj::console::loadIniFile(file, settings) != kaj::console::IniLoad::Loaded) {
        return false;
    }
    lines = kaj::console::iniLines(settings);
    return kaj::console::saveIniFile(file, settings).ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kaj;
    static const auto folder = fuzz::scratchFolder("ini-fuzz");
    const auto file = folder / "Kaj.ini";
    fuzz::writeFile(file, {data, size});
    std::vector<std::string> first;
    std::vector<std::string> second;
    std::vector<std::string> third;
    if (!loadAndSave(file, first) || !loadAndSave(file, second)) {
        return 0;
    }
    if (!loadAndSave(file, third) || third != second) {
        std::abort();
    }
    return 0;
}
