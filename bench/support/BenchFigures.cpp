#include "bench/support/BenchFigures.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <memory>
#include <stdexcept>

#include "bench/support/ListingGenerator.h"

namespace benchsupport {
namespace {

// Removes the generated files when the program ends.
struct GeneratedFiles {
    std::map<size_t, GeneratedListing> bySymbols;
    ~GeneratedFiles() {
        std::error_code error;
        for (const auto& [symbols, listing] : bySymbols)
            std::filesystem::remove(listing.path, error);
    }
};

long StatusKilobytes(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const size_t length = std::strlen(key);
    while (std::getline(status, line)) {
        if (line.compare(0, length, key) == 0)
            return std::stol(line.substr(length));
    }
    return -1;
}

}  // namespace

const GeneratedListing& ListingFile(size_t symbols) {
    static GeneratedFiles files;
    auto& listing = files.bySymbols[symbols];
    if (listing.path.empty()) {
        listing.path =
            (std::filesystem::temp_directory_path() /
             ("tarn_bench_" + std::to_string(getpid()) + "_" + std::to_string(symbols) + ".map"))
                .string();
        listing.bytes = WriteListing(listing.path, {.symbols = symbols});
    }
    return listing;
}

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double BestSeconds(int runs, const std::function<void()>& work) {
    double best = std::numeric_limits<double>::infinity();
    for (int i = 0; i < runs; ++i) {
        const double start = CpuSeconds();
        work();
        best = std::min(best, CpuSeconds() - start);
    }
    return best;
}

double LineCountSeconds(const std::string& path) {
    return BestSeconds(5, [&] {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file == nullptr)
            return;
        constexpr size_t kBlock = 128 * 1024;
        const auto block = std::make_unique_for_overwrite<char[]>(kBlock);
        size_t lines = 0;
        size_t got = 0;
        while ((got = std::fread(block.get(), 1, kBlock, file)) > 0) {
            const char* at = block.get();
            const char* const end = at + got;
            while ((at = static_cast<const char*>(std::memchr(at, '\n', end - at))) != nullptr) {
                ++lines;
                ++at;
            }
        }
        std::fclose(file);
        benchmark::DoNotOptimize(lines);
    });
}

double CommandSeconds(const std::vector<std::string>& command) {
    std::string program = command.at(0);
    if (program == "tarnmap") {
        program = (std::filesystem::read_symlink("/proc/self/exe").parent_path() / program).string();
    }
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int failed =
        posix_spawnp(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        throw std::runtime_error("cannot run " + program);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error(program + " failed");
    }
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double GetlineSeconds(const std::string& path) {
    return BestSeconds(5, [&] {
        std::ifstream in(path);
        std::string line;
        size_t lines = 0;
        while (std::getline(in, line))
            ++lines;
        benchmark::DoNotOptimize(lines);
    });
}

void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";  // sets VmHWM to the current size
}

double PeakMemoryBytes() {
    return static_cast<double>(StatusKilobytes("VmHWM:")) * 1024;
}

void ReportGoal(benchmark::State& state, const std::string& name, double figure, double goal) {
    state.counters[name] = figure;
    state.counters[name + "_goal"] = goal;
    state.counters[name + "_met"] = figure <= goal ? 1 : 0;
}

}  // namespace benchsupport
