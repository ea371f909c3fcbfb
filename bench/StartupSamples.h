#pragma once

#include <string>
#include <vector>

namespace benchmark {
class State;
}

namespace corvane::bench {

/// Start-up times of a program and of the bare window, taken in pairs within one run so that the
/// load of the machine weighs on both alike.
class StartupSamples {
public:
    /// One start: the time from spawn to the window shown, and the processor time the program used
    /// until it was stopped just after (which the load of the machine disturbs less), in milliseconds.
    struct Start {
        double ms = 0;
        double cpuMs = 0;
    };

    void add(Start program, Start bare);

    /// Writes the medians, the spread (10th to 90th percentile) and the ratios to the benchmark's
    /// counters: `ms` and `bare_ms` with their `_p10`/`_p90`, `ratio` (median over median),
    /// `pair_ratio` (median of the ratios of each pair), and the processor time's medians `cpu_ms`
    /// and `bare_cpu_ms`.
    void report(benchmark::State& state) const;

private:
    std::vector<double> program_;
    std::vector<double> bare_;
    std::vector<double> ratios_;
    std::vector<double> programCpu_;
    std::vector<double> bareCpu_;
};

} // namespace corvane::bench
