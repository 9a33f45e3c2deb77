// Scanning a cartridge directory far larger than the 64 names a list keeps. The cost must
// grow with the number of entries alone and stay close to the baseline measured in the same
// run: reading the same directory's names with nothing kept.

#include "menu/choice_list.h"

#include <benchmark/benchmark.h>

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

namespace {

const char *const cartridge_suffixes[] = {".gb", ".gbc"};

// One directory per size, made on first use: three in four entries are cartridges.
class RomsDirectories {
  public:
    ~RomsDirectories() { std::filesystem::remove_all(root); }

    std::string of_size(int64_t entries) {
        auto found = made.find(entries);
        if (found != made.end()) {
            return found->second;
        }
        std::filesystem::path directory = root / std::to_string(entries);
        std::filesystem::create_directories(directory);
        const char *endings[] = {".gb", ".GBC", ".gbc", ".sav"};
        for (int64_t index = 0; index < entries; ++index) {
            std::string name = "cartridge " + std::to_string(index) + endings[index % 4];
            std::FILE *file = std::fopen((directory / name).c_str(), "w");
            std::fclose(file);
        }
        return made[entries] = directory.string();
    }

  private:
    std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("bench_roms_" + std::to_string(getpid()));
    std::map<int64_t, std::string> made;
};

RomsDirectories directories;

void BM_Baseline_ReadDirectory(benchmark::State &state) {
    std::string directory = directories.of_size(state.range(0));
    for (auto _ : state) {
        DIR *handle = opendir(directory.c_str());
        while (const dirent *entry = readdir(handle)) {
            benchmark::DoNotOptimize(entry->d_name[0]);
        }
        closedir(handle);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Baseline_ReadDirectory)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN);

void BM_ScanAndSort(benchmark::State &state) {
    std::string directory = directories.of_size(state.range(0));
    ChoiceList list;
    for (auto _ : state) {
        list.count = 0;
        vortelan_gb_runtime_choice_list_scan_dir_for_suffixes(&list, directory.c_str(),
                                                              cartridge_suffixes, 2);
        vortelan_gb_runtime_choice_list_sort(&list);
        benchmark::ClobberMemory();
    }
    if (list.count != choice_list_capacity) {
        state.SkipWithError("the list is not full");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ScanAndSort)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN);

} // namespace
