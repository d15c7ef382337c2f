// What the calculator costs on the in-memory dialog: one keystroke in each value field
// (notification, read, compute, format, write, read back), recompute_all, the encoder
// preset, and the start-up to the shown dialog. Each reports its time per operation,
// its heap allocations per operation (allocs/op, counted by the replaced global
// operator new of tests/allocation_counter.cpp) and its ratio to the floor (x_floor):
// the in-memory dialog's bare write and read of one field, measured in the same run.
#include "allocation_counter.h"
#include "dialog/dialog_procedure.h"
#include "engine/calculator_state.h"
#include "engine/live_recalculation.h"
#include "platform/memory/memory_dialog.h"
#include "platform/platform.h"
#include "settings/settings_file.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// Nanoseconds of the floor: one bare field write and read on the in-memory dialog.
double floor_ns = 0;

void write_and_read_field() {
    char text[field_text_size];
    platform_set_field_text(field_audio_rate, "192 000");
    benchmark::DoNotOptimize(platform_get_field_text(field_audio_rate, text, sizeof text));
    benchmark::ClobberMemory();
}

// Times the loop around `operation` and reports allocations and the floor ratio; the
// floor's own run sets the floor for the benchmarks after it.
template <typename Operation>
void measure(benchmark::State& state, Operation operation, bool is_floor = false) {
    const uint64_t allocations_before = allocation_count();
    const Clock::time_point start = Clock::now();
    for (auto _ : state) {
        operation();
    }
    const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    const double operations = static_cast<double>(state.iterations());
    state.counters["allocs/op"] =
        benchmark::Counter(static_cast<double>(allocation_count() - allocations_before),
                           benchmark::Counter::kAvgIterations);
    if (is_floor && operations > 0) {
        floor_ns = ns / operations;
    }
    if (floor_ns > 0 && operations > 0) {
        state.counters["x_floor"] = ns / operations / floor_ns;
    }
}

void start() {
    if (!start_calculator() || !memory_dialog_shown()) {
        std::fprintf(stderr, "the calculator did not start\n");
        std::exit(1);
    }
}

void floor_write_and_read(benchmark::State& state) {
    start();
    measure(state, write_and_read_field, true);
}

// A keystroke in the field: a digit typed at the end, then Backspace, by turns, so
// the text stays as it is and every operation is one keystroke with its whole path.
void keystroke(benchmark::State& state, uint32_t field, const char* text) {
    start();
    memory_replace(field, text);
    bool typed = false;
    measure(state, [field, &typed] {
        if (typed) {
            memory_backspace(field, 1);
        } else {
            memory_type(field, "1");
        }
        typed = !typed;
    });
}

void recompute(benchmark::State& state) {
    start();
    measure(state, recompute_all);
}

void encoder_preset(benchmark::State& state) {
    start();
    measure(state, [] { memory_choose(field_optimise, "CCE / IfoEdit"); });
}

// From nothing to the shown dialog, as at every program start; the folder holds no
// settings file (argument 0) or a record the previous close wrote (argument 1).
void start_up(benchmark::State& state) {
    std::remove(settings_file_name);
    if (state.range(0) != 0) {
        start();
        memory_key_escape();
    }
    measure(state, start);
}

void register_benchmarks() {
    benchmark::RegisterBenchmark("floor: field write + read", floor_write_and_read);
    const struct {
        const char* name;
        uint32_t field;
        const char* text;
    } fields[] = {
        {"keystroke: 175 audio rate", field_audio_rate, "224 000"},
        {"keystroke: 168 video rate", field_video_rate, "8 000 000"},
        {"keystroke: 170 max. data amount", field_max_size, "4 700 000 000"},
        {"keystroke: 177 reserve", field_reserve, "10 000"},
        {"keystroke: 169 length", field_length, "90 000"},
        {"keystroke: 182 safety margin", field_margin, "0,09"},
    };
    for (const auto& f : fields) {
        benchmark::RegisterBenchmark(f.name, keystroke, f.field, f.text);
    }
    benchmark::RegisterBenchmark("recompute_all", recompute);
    benchmark::RegisterBenchmark("encoder preset CCE / IfoEdit", encoder_preset);
    benchmark::RegisterBenchmark("start-up to the shown dialog", start_up)
        ->ArgName("settings_file")
        ->Arg(0)
        ->Arg(1);
}

// A first measure of the floor, for runs that leave the floor's benchmark out: the best
// of a few rounds.
void measure_floor() {
    start();
    constexpr int rounds = 5;
    constexpr int operations = 200000;
    for (int round = 0; round < rounds; ++round) {
        const Clock::time_point begin = Clock::now();
        for (int i = 0; i < operations; ++i) {
            write_and_read_field();
        }
        const double ns =
            std::chrono::duration<double, std::nano>(Clock::now() - begin).count() / operations;
        if (round == 0 || ns < floor_ns) {
            floor_ns = ns;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    // The settings file lives in the working folder: a fresh one of its own.
    char folder[] = "/tmp/vidomat-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr || chdir(folder) != 0) {
        std::perror("vidomat_bench: working folder");
        return 1;
    }
    measure_floor();
    register_benchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    memory_reset();
    std::remove(settings_file_name);
    if (chdir("/") != 0 || rmdir(folder) != 0) {
        std::perror("vidomat_bench: removing the working folder");
    }
    return 0;
}
