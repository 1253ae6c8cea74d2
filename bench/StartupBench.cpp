// Start-up to a ready main window with "Load Scripts on Startup" on, from the
// script files and from a real server folder (the windows offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "CatalogueFileBuilder.h"
#include "CatalogueLoads.h"
#include "RecordingDesktopInput.h"
#include "RecordingDialogs.h"
#include "Registry.h"
#include "Shell.h"
#include "TextFile.h"
#include "frmMenu.h"

namespace {

class NoShell : public kaj::platform::Shell {
  public:
    bool open(const std::string&, const std::filesystem::path&) override { return true; }
};

void StartUp(benchmark::State& state, bool scriptFiles) {
    const std::filesystem::path samples = KAJ_SAMPLES_FOLDER "/modern-distro";
    if (!std::filesystem::is_directory(samples)) {
        state.SkipWithError("the POL samples are not beside the checkout");
        return;
    }
    const auto folder = std::filesystem::temp_directory_path() / "kaj-startup-bench";
    std::filesystem::create_directories(folder);
    // The script files are the distribution's catalogue as the builder writes it.
    kaj::catalogue::CatalogueState loaded;
    kaj::catalogue::loadItemCatalogue(loaded, {false, {}, samples}, [](std::string_view) {});
    kaj::catalogue::loadNpcCatalogue(loaded, {false, {}, samples}, [](std::string_view) {});
    kaj::platform::writeTextLines(folder / "KajItems.scp", {});
    kaj::catalogue::writeCatalogueDataFiles(folder, loaded.ListFullItem, loaded.ListFullChar);
    kaj::platform::writeTextLines(
        folder / "Kaj.ini",
        {"LOADSCRIPTS=1", std::string("USEKAJSCRIPTS=") + (scriptFiles ? "1" : "0"),
         "POLPATH=" + samples.string() + "/"});

    kaj::platform::RecordingDialogs dialogs;
    kaj::platform::RecordingDesktopInput desktop;
    NoShell shell;
    kaj::platform::WineRegistry registry(folder / "wine");
    const std::filesystem::path controls = KAJ_CONTROL_FOLDER;
    std::size_t items = 0;
    for (auto _ : state) {
        kaj::console::frmMenu menu({dialogs, desktop, shell, registry, folder, controls});
        menu.Form_Load();
        menu.show();
        QCoreApplication::processEvents();
        items = menu.state().catalogue.ListFullItem.size();
    }
    state.counters["items"] = static_cast<double>(items);
    std::filesystem::remove_all(folder);
}

void StartUpFromScriptFiles(benchmark::State& state) {
    StartUp(state, true);
}
void StartUpFromServerFolder(benchmark::State& state) {
    StartUp(state, false);
}
BENCHMARK(StartUpFromScriptFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(StartUpFromServerFolder)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
