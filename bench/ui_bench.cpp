// SPDX-License-Identifier: GPL-3.0-or-later
// Window benchmarks under the offscreen platform: a complete run at the step
// limit with an empty and with a long-filled bracket-notation box, the time
// from start-up to the first shown window, and the resident memory after
// many runs.
#include <fstream>
#include <string>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include "ui/main_window.h"
#include "ui/message_box_closer.h"

namespace {

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 20, '\n');
    }
    return 0;
}

void SetInputs(tamsel::MainWindow& w, const char* koeff, const char* wurzel, const char* abs, const char* nenner) {
    w.findChild<QLineEdit*>("txtKoeff")->setText(koeff);
    w.findChild<QLineEdit*>("txtWurzel")->setText(wurzel);
    w.findChild<QLineEdit*>("txtAbs")->setText(abs);
    w.findChild<QLineEdit*>("txtNenner")->setText(nenner);
}

// √2566 to the step limit, with `keptLines` lines of earlier runs in the box.
void BM_StepLimitRunInWindow(benchmark::State& state) {
    tamsel::MainWindow window(QSize(1024, 768));
    window.show();
    auto* notation = window.findChild<QPlainTextEdit*>("picture2");
    QString kept;
    for (int i = 0; i < state.range(0); ++i) kept += "x = [ 1; 2   Periode 2 ]\n";
    notation->setPlainText(kept);
    SetInputs(window, "1", "2566", "0", "1");
    QAction* run = window.findChild<QAction*>("cmdKette");
    tamsel::MessageBoxCloser closer(0);  // the failure message at the step limit
    for (auto _ : state) {
        run->trigger();
        state.PauseTiming();
        // Remove the line this run added, so every iteration starts alike.
        QTextCursor cursor(notation->document());
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::PreviousBlock, QTextCursor::KeepAnchor);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        state.ResumeTiming();
    }
    state.counters["lines"] = static_cast<double>(notation->document()->blockCount());
}
BENCHMARK(BM_StepLimitRunInWindow)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_StartUpToFirstShownWindow(benchmark::State& state) {
    for (auto _ : state) {
        tamsel::MainWindow window;
        window.show();
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&window));
    }
}
BENCHMARK(BM_StartUpToFirstShownWindow)->Unit(benchmark::kMillisecond);

void BM_ResidentMemoryAfterRuns(benchmark::State& state) {
    for (auto _ : state) {
        tamsel::MainWindow window(QSize(1024, 768));
        window.show();
        const long before = ResidentKilobytes();
        QAction* run = window.findChild<QAction*>("cmdKette");
        for (int i = 0; i < state.range(0); ++i) run->trigger();
        state.counters["rss_start_kB"] = static_cast<double>(before);
        state.counters["rss_end_kB"] = static_cast<double>(ResidentKilobytes());
    }
}
BENCHMARK(BM_ResidentMemoryAfterRuns)->Arg(1000)->Iterations(1)->Unit(benchmark::kMillisecond);

// Soak: 10,000 runs of √7. With argument 1 "Fenster löschen" empties the
// bracket-notation box after every run, so any growth is the program's own;
// with 0 the box keeps all 10,000 lines, and the growth per kept line shows
// what that text needs.
void BM_Soak(benchmark::State& state) {
    constexpr int kRuns = 10000;
    const bool clearEachRun = state.range(0) != 0;
    for (auto _ : state) {
        tamsel::MainWindow window(QSize(1024, 768));
        window.show();
        SetInputs(window, "1", "7", "0", "1");
        QAction* run = window.findChild<QAction*>("cmdKette");
        QAction* clear = window.findChild<QAction*>(QString::fromUtf8("cmdLö"));
        run->trigger();  // the first run allocates what every run reuses
        const long start = ResidentKilobytes();
        for (int i = 0; i < kRuns; ++i) {
            run->trigger();
            if (clearEachRun) clear->trigger();
        }
        const long end = ResidentKilobytes();
        const auto* notation = window.findChild<QPlainTextEdit*>("picture2");
        state.counters["rss_start_kB"] = static_cast<double>(start);
        state.counters["rss_end_kB"] = static_cast<double>(end);
        state.counters["kept_lines"] = static_cast<double>(notation->document()->blockCount() - 1);
        state.counters["growth_B_per_run"] = static_cast<double>(end - start) * 1024.0 / kRuns;
    }
}
BENCHMARK(BM_Soak)->Arg(1)->Arg(0)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
