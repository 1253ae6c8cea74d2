// Catalogue loading: a real distribution read whole, 100,000 generated records
// through the reader and the tree builder, and the naive builder the index
// replaces (every record compared with every node) on a slice, for the ratio.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "AsciiCase.h"
#include "CatalogueLoads.h"
#include "ConfigText.h"
#include "ServerDefinitions.h"
#include "TreeBuilders.h"

namespace {

using kaj::catalogue::CatalogueState;

const kaj::common::MessageSink kIgnore = [](std::string_view) {};

std::vector<std::string> generatedRecords(int count) {
    std::vector<std::string> records;
    records.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        records.push_back("Category" + std::to_string(i % 100) + "|Section" +
                          std::to_string(i % 5000) + "|item" + std::to_string(i) + "|0x" +
                          std::to_string(i) + "|0x1|0");
    }
    std::sort(records.begin(), records.end(), kaj::platform::lessIgnoringAsciiCase);
    return records;
}

// The tree as the first builder made it: a scan of every node per test.
std::size_t naiveNodeCount(const std::vector<std::string>& records) {
    struct Node {
        std::string key, text;
    };
    std::vector<Node> nodes{{"Custom", "Custom"}};
    auto hasText = [&](const std::string& text) {
        for (const auto& node : nodes)
            if (kaj::platform::equalsIgnoringAsciiCase(node.text, text))
                return true;
        return false;
    };
    auto hasKey = [&](const std::string& key) {
        for (const auto& node : nodes)
            if (node.key == key)
                return true;
        return false;
    };
    for (const auto& record : records) {
        const auto fields = kaj::catalogue::splitFields(record);
        const std::string category(fields[0]);
        const std::string section(fields[1]);
        if (!hasText(category))
            nodes.push_back({category, category});
        if (!hasText(section) && hasKey(category))
            nodes.push_back({"", section});
    }
    return nodes.size();
}

void ModernDistroFullLoad(benchmark::State& state) {
    const std::filesystem::path folder = KAJ_SAMPLES_FOLDER "/modern-distro";
    if (!std::filesystem::is_directory(folder)) {
        state.SkipWithError("the POL samples are not beside the checkout");
        return;
    }
    std::size_t records = 0;
    for (auto _ : state) {
        CatalogueState catalogue;
        kaj::catalogue::loadItemCatalogue(catalogue, {false, {}, folder}, kIgnore);
        kaj::catalogue::loadNpcCatalogue(catalogue, {false, {}, folder}, kIgnore);
        records = catalogue.ListFullItem.size() + catalogue.ListFullChar.size();
        benchmark::DoNotOptimize(catalogue.tvwItems.size());
    }
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(ModernDistroFullLoad)->Unit(benchmark::kMillisecond);

void MakeItemNodes100k(benchmark::State& state) {
    CatalogueState catalogue;
    catalogue.ListFullItem = generatedRecords(100000);
    for (auto _ : state) {
        catalogue.tvwItems.clear();
        kaj::catalogue::MakeItemNodes(catalogue);
        benchmark::DoNotOptimize(catalogue.tvwItems.size());
    }
    state.counters["nodes"] = static_cast<double>(catalogue.tvwItems.size());
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(MakeItemNodes100k)->Unit(benchmark::kMillisecond);

void NaiveNodes(benchmark::State& state) {
    const auto records = generatedRecords(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(naiveNodeCount(records));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(NaiveNodes)->Arg(10000)->Unit(benchmark::kMillisecond);

void IndexedNodes(benchmark::State& state) {
    CatalogueState catalogue;
    catalogue.ListFullItem = generatedRecords(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        catalogue.tvwItems.clear();
        kaj::catalogue::MakeItemNodes(catalogue);
        benchmark::DoNotOptimize(catalogue.tvwItems.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(IndexedNodes)->Arg(10000)->Unit(benchmark::kMillisecond);

// 100,000 elements in one itemdesc.cfg, read, sorted and built into the tree.
void LoadAndBuild100k(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "kaj-catalogue-bench";
    std::filesystem::create_directories(folder / "config");
    {
        std::ofstream out(folder / "config/itemdesc.cfg", std::ios::binary);
        for (int i = 0; i < 100000; ++i) {
            out << "Item 0x" << std::hex << i << std::dec << "\n{\n\tName\titem" << i
                << "\n\tCategory=Category" << i % 100 << "\n\tSubsection=Section" << i % 5000
                << "\n\tColor\t0x0481\n}\n\n";
        }
    }
    for (auto _ : state) {
        CatalogueState catalogue;
        kaj::catalogue::loadItemCatalogue(catalogue, {false, {}, folder}, kIgnore);
        benchmark::DoNotOptimize(catalogue.tvwItems.size());
    }
    std::filesystem::remove_all(folder);
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(LoadAndBuild100k)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
