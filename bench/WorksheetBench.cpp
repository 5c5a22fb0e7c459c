// SPDX-License-Identifier: GPL-3.0-or-later
// A 30-exercise worksheet with its key, made in memory as the command line
// makes it: the time of each making, their median, and the process's peak
// memory, one line each.
#include "diagram/Worksheet.h"

#include <QGuiApplication>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::vector<double> seconds;
    qsizetype bytes = 0;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        QString error;
        bytes = WorksheetPdf({30, ExerciseLevel::Mixed, static_cast<std::uint32_t>(1000 + i), true},
                             &error)
                    .size();
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (bytes == 0) {
            std::fprintf(stderr, "worksheet not made: %s\n", error.toUtf8().constData());
            return 1;
        }
    }
    std::vector<double> sorted = seconds;
    std::ranges::sort(sorted);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("first %.3f s, median of %d %.3f s, %lld bytes, peak memory %.1f MiB\n",
                seconds.front(), runs, sorted[sorted.size() / 2], static_cast<long long>(bytes),
                usage.ru_maxrss / 1024.0);
    return 0;
}
