// The per-click cost of the command path before any key reaches the X server:
// building, escaping and parsing the key script; choosing every key of a command
// (on a keyboard of two layouts, and on the X server's own keyboard, read through
// XKB, where DISPLAY names one); and reading Kaj.ini.
#include <benchmark/benchmark.h>

#include <X11/Xlib.h>

#include "CommandSender.h"
#include "KajSettings.h"
#include "KeyScript.h"
#include "KeySymbols.h"
#include "X11Keyboard.h"

namespace {

std::string longCommand() {
    std::string text;
    for (int c = 0x20; c <= 0x7E; ++c)
        text.push_back(static_cast<char>(c));
    text += "\xE9\xFC\xDF\xF1";
    while (text.size() < 200)
        text += "Zz9";
    return text;
}

void BuildAndParseCatalogueCommand(benchmark::State& state) {
    const std::string command = longCommand();
    for (auto _ : state) {
        auto parsed =
            kaj::platform::parseKeyScript(kaj::console::buildKeyScript(command, false, true));
        benchmark::DoNotOptimize(parsed.strokes.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(command.size()));
}
BENCHMARK(BuildAndParseCatalogueCommand);

std::vector<kaj::platform::x11::WantedKey> wantedKeys(const std::string& command) {
    std::vector<kaj::platform::x11::WantedKey> wanted;
    const auto parsed =
        kaj::platform::parseKeyScript(kaj::console::buildKeyScript(command, false, true));
    for (const auto& stroke : parsed.strokes) {
        kaj::platform::x11::WantedKey key;
        if (stroke.isNamed) {
            key.symbols.push_back(kaj::platform::x11::keySymbolForNamedKey(stroke.key));
        } else {
            for (auto symbol : kaj::platform::x11::keySymbolsForCharacter(stroke.character)) {
                key.symbols.push_back(symbol);
            }
        }
        wanted.push_back(key);
    }
    return wanted;
}

// The X server's keyboard read and every key of a 200-character command chosen, the
// second layout in use when there are two: what typing adds before its first key.
void ReadKeyboardAndChooseKeys(benchmark::State& state) {
    static Display* const display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        state.SkipWithError("no X display");
        return;
    }
    const auto wanted = wantedKeys(longCommand());
    for (auto _ : state) {
        const auto keyboard = kaj::platform::x11::readKeyboardMap(display);
        const auto plan =
            kaj::platform::x11::planKeys(keyboard, keyboard.groupCount - 1, 0, wanted);
        benchmark::DoNotOptimize(plan.keys.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(wanted.size()));
}
BENCHMARK(ReadKeyboardAndChooseKeys)->Unit(benchmark::kMicrosecond);

void ReadSettingsLines(benchmark::State& state) {
    kaj::console::ConsoleSettings source;
    for (int i = 0; i < 20; ++i) {
        source.addServer("Shard " + std::to_string(i) + "|10.0.0.1|5003|gm|pw|C:\\UO\\client.exe");
    }
    const auto lines = kaj::console::iniLines(source);
    for (auto _ : state) {
        kaj::console::ConsoleSettings settings;
        kaj::console::applyIniLines(settings, lines);
        benchmark::DoNotOptimize(settings.ListServers.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}
BENCHMARK(ReadSettingsLines);

}  // namespace

BENCHMARK_MAIN();
