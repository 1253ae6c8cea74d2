// pkg.cfg over arbitrary bytes: the form as read, when the server could start with
// it, is written and read again and must show the same fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "FuzzFiles.h"
#include "PackageFile.h"
#include "TextFile.h"

namespace {

bool sameForm(const kaj::admin::PackageForm& a, const kaj::admin::PackageForm& b) {
    return a.enabled == b.enabled && a.name == b.name && a.version == b.version &&
           a.maintainer == b.maintainer && a.email == b.email && a.requires_ == b.requires_ &&
           a.conflicts == b.conflicts && a.coreRequired == b.coreRequired &&
           a.replaces == b.replaces;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kaj;
    static const auto folder = fuzz::scratchFolder("package-fuzz");
    const auto file = folder / "pkg.cfg";
    fuzz::writeFile(file, {data, size});
    const auto lines = platform::readTextLines(file);
    if (!lines) {
        return 0;
    }
    (void)admin::packageName(*lines);
    const auto form = admin::parsePackage(*lines);
    if (admin::packageRefusal(form)) {
        return 0;
    }
    const auto written = admin::packageLines(*lines, form);
    if (!sameForm(admin::parsePackage(written), form)) {
        std::abort();
    }
    return 0;
}
