// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the benchmark programs: a console reporter that also keeps every
// run's time, so that a program can print, after the table, its ratios
// against a baseline measured in the same run and its targets.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <unistd.h>
#include <map>
#include <string>
#include <vector>

class TimingReporter : public benchmark::ConsoleReporter
{
public:
    // Colours only on a terminal, so that logs stay readable.
    TimingReporter()
        : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                const double toMillis = 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
                m_cpuMillis[run.benchmark_name()] = run.GetAdjustedCPUTime() * toMillis;
                m_realMillis[run.benchmark_name()] = run.GetAdjustedRealTime() * toMillis;
            }
        ConsoleReporter::ReportRuns(runs);
    }

    // Milliseconds per iteration of the benchmark named (exactly, or the
    // first whose name starts with it); 0 when it did not run.
    double cpuMillis(const std::string& name) const { return lookup(m_cpuMillis, name); }
    double realMillis(const std::string& name) const { return lookup(m_realMillis, name); }

    // "ratio LABEL: 1.85x (CPU time), 1.80x (wall time)": how many times
    // faster measured ran than baseline.
    void printRatio(const std::string& label, const std::string& measured, const std::string& baseline,
                    const char* note = "") const
    {
        const double cpu = cpuMillis(measured), real = realMillis(measured);
        if (cpu <= 0 || real <= 0 || cpuMillis(baseline) <= 0)
            return;
        std::printf("ratio %s: %.2fx (CPU time), %.2fx (wall time)%s\n", label.c_str(), cpuMillis(baseline) / cpu,
                    realMillis(baseline) / real, note);
    }

    enum class Clock { Cpu, Wall };

    // "target LABEL: 0.09 ms CPU, 0.10 ms wall (under 0.1 ms CPU: yes)". The
    // verdict is on CPU time, which a loaded machine stretches least, unless
    // the work waits for the disk, where only the wall clock tells.
    void printTarget(const std::string& label, const std::string& name, double targetMillis,
                     Clock verdict = Clock::Cpu) const
    {
        const double cpu = cpuMillis(name), real = realMillis(name);
        if (cpu <= 0)
            return;
        const double judged = verdict == Clock::Cpu ? cpu : real;
        std::printf("target %s: %.3f ms CPU, %.3f ms wall (under %g ms %s: %s)\n", label.c_str(), cpu, real,
                    targetMillis, verdict == Clock::Cpu ? "CPU" : "wall", judged < targetMillis ? "yes" : "NO");
    }

private:
    static double lookup(const std::map<std::string, double>& times, const std::string& name)
    {
        const auto exact = times.find(name);
        if (exact != times.end())
            return exact->second;
        for (const auto& [key, value] : times)
            if (key.rfind(name, 0) == 0)
                return value;
        return 0;
    }

    std::map<std::string, double> m_cpuMillis;
    std::map<std::string, double> m_realMillis;
};

// A benchmark program: Qt on the offscreen platform (unless another is
// asked for), its benchmarks run through a TimingReporter.
class BenchProgram
{
public:
    BenchProgram(int& argc, char** argv)
        : m_argc(argc)
        , m_argv(argv)
        , m_app(offscreen(argc), argv)
    {
    }

    const TimingReporter& run()
    {
        benchmark::Initialize(&m_argc, m_argv);
        benchmark::RunSpecifiedBenchmarks(&m_reporter);
        benchmark::Shutdown();
        return m_reporter;
    }

private:
    static int& offscreen(int& argc)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }

    int& m_argc;
    char** m_argv;
    QApplication m_app;
    TimingReporter m_reporter;
};
