// What the benchmarks share besides the generator: listing files generated at run time (and
// removed at exit), yardstick timings, peak memory, and figures reported beside their goals.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace benchsupport {

struct GeneratedListing {
    std::string path;
    size_t bytes = 0;
};

// The generated listing of that many symbols, written once per run into the temporary
// directory under a name of this process.
const GeneratedListing& ListingFile(size_t symbols);

// The processor time of this process, in seconds: ratios of such times stay true on a busy
// machine, where waiting for a processor would swell wall-clock times.
double CpuSeconds();
// The shortest of several runs, in seconds of processor time.
double BestSeconds(int runs, const std::function<void()>& work);

// Counting the lines of a file as `wc -l` does: large reads and a search for line feeds.
double LineCountSeconds(const std::string& path);
// Every line of the file through std::getline and nothing else.
double GetlineSeconds(const std::string& path);

// The processor time, user and system, of one run of a program as a process of its own, with
// its output thrown away. A program named without a slash is looked up on PATH; "tarnmap" is
// the command line built beside the benchmarks. Throws when it cannot run or fails.
double CommandSeconds(const std::vector<std::string>& command);

// Peak resident memory: reset it to the current size, then read it back (in bytes).
void ResetPeakMemory();
double PeakMemoryBytes();

// Shows a figure and its goal side by side in the benchmark's output (name and name_goal),
// and marks the run when the figure misses the goal (name_met is 1 or 0).
void ReportGoal(benchmark::State& state, const std::string& name, double figure, double goal);

}  // namespace benchsupport
