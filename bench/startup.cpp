// Start-up benchmark: starts the real program in a private copy of the installation whose movies quit at once,
// and prints the median time from process start to the menu being ready and the time to shut down.
#include "Figures.h"
#include "common/ProgramRun.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double nowMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;

    ProgramRun program(QStringLiteral(QOR_APP_DIR));
    if (!program.ready) {
        std::fprintf(stderr, "cannot copy the installation from %s\n", QOR_APP_DIR);
        return 1;
    }
    program.environment.insert("QOR_STARTUP_REPORT", "1");

    std::vector<double> toMenu, shutdown, total;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        const double started = nowMs();
        if (!program.run(process)) {
            std::fprintf(stderr, "the program did not end\n");
            return 1;
        }
        const double ended = nowMs();
        double menuReady = 0, quit = 0;
        for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() != 2)
                continue;
            if (parts[0] == "menu-ready")
                menuReady = parts[1].toDouble();
            else if (parts[0] == "quit")
                quit = parts[1].toDouble();
        }
        if (menuReady == 0 || quit == 0 || process.exitCode() != 0) {
            std::fprintf(stderr, "run %d: no report (exit code %d)\n%s\n", i, process.exitCode(),
                         process.readAllStandardError().constData());
            return 1;
        }
        toMenu.push_back(menuReady - started);
        shutdown.push_back(ended - quit);
        total.push_back(ended - started);
    }
    std::printf("startup: %d runs, platform %s\n", runs, qPrintable(program.environment.value("QT_QPA_PLATFORM")));
    std::printf("  process start -> menu ready: median %.1f ms (min %.1f, max %.1f)\n", figures(toMenu).median,
                *std::min_element(toMenu.begin(), toMenu.end()), *std::max_element(toMenu.begin(), toMenu.end()));
    std::printf("  quit -> process exit:        median %.1f ms\n", figures(shutdown).median);
    std::printf("  whole run:                   median %.1f ms\n", figures(total).median);
    return 0;
}
