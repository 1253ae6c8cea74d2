// uo.cfg over arbitrary bytes, through the launcher's filter: the lines kept and the
// account's lines written. A first pass may tidy lines (a comment cut leaves the
// blank before it); from the second pass on, filtering changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ClientLaunch.h"
#include "FuzzFiles.h"
#include "TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kaj;
    static const auto folder = fuzz::scratchFolder("uocfg-fuzz");
    const auto file = folder / "uo.cfg";
    fuzz::writeFile(file, {data, size});
    const auto lines = platform::readTextLines(file);
    if (!lines) {
        return 0;
    }
    const launcher::ShardFields shard{"Shard", "10.0.0.1", "2593", "gm", "p\x80ss", "client.exe"};
    const auto written = launcher::uoCfgLines(launcher::uoCfgLines(*lines, shard), shard);
    if (launcher::uoCfgLines(written, shard) != written) {
        std::abort();
    }
    return 0;
}
