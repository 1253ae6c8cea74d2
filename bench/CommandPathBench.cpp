// The per-click cost of the command path before any key reaches the X server:
// building, escaping and parsing the key script; and reading Kaj.ini.
#include <benchmark/benchmark.h>

#include "CommandSender.h"
#include "KajSettings.h"
#include "KeyScript.h"

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
