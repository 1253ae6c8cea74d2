// The keystroke notation and the settings file reader on any bytes.
#include <string>

#include "KajSettings.h"
#include "KeyScript.h"
#include "TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto parsed = kaj::platform::parseKeyScript(bytes);
    if (parsed.ok()) {
        volatile std::size_t count = parsed.strokes.size();
        (void)count;
    }
    const auto escaped = kaj::platform::parseKeyScript(kaj::platform::escapeKeyScript(bytes));
    (void)escaped;
    kaj::console::ConsoleSettings settings;
    kaj::console::applyIniLines(settings, kaj::platform::splitLines(bytes));
    (void)kaj::console::iniLines(settings);
    return 0;
}
