#include "bench/StartupSamples.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

namespace corvane::bench {

namespace {

/// The value below which `fraction` of the samples lie (nearest rank).
double percentile(std::vector<double> samples, double fraction) {
    if (samples.empty()) {
        return 0;
    }
    const auto last = static_cast<double>(samples.size() - 1);
    const auto rank = static_cast<size_t>(std::lround(fraction * last));
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(rank), samples.end());
    return samples[rank];
}

void reportSeries(benchmark::State& state, const std::string& name, const std::vector<double>& samples) {
    state.counters[name] = percentile(samples, 0.5);
    state.counters[name + "_p10"] = percentile(samples, 0.1);
    state.counters[name + "_p90"] = percentile(samples, 0.9);
}

} // namespace

void StartupSamples::add(Start program, Start bare) {
    program_.push_back(program.ms);
    bare_.push_back(bare.ms);
    ratios_.push_back(program.ms / bare.ms);
    programCpu_.push_back(program.cpuMs);
    bareCpu_.push_back(bare.cpuMs);
}

void StartupSamples::report(benchmark::State& state) const {
    reportSeries(state, "ms", program_);
    reportSeries(state, "bare_ms", bare_);
    state.counters["ratio"] = percentile(program_, 0.5) / percentile(bare_, 0.5);
    state.counters["pair_ratio"] = percentile(ratios_, 0.5);
    state.counters["cpu_ms"] = percentile(programCpu_, 0.5);
    state.counters["bare_cpu_ms"] = percentile(bareCpu_, 0.5);
}

} // namespace corvane::bench
