// Starts wmtool (small and large window, on the largest data) and the bare Qt window in
// turn and reports, for each, the median time from starting the process to its first
// painted window and the median peak memory at that moment, and their ratios to the bare
// window. Usage: startcompare <wmtool> <barewindow> [runs [earlier wmtool]]; an earlier
// build, when given, is started in the same rounds to compare before and after.
// or, to profile one start by hand: startcompare --prepare <folder> <wmtool> [option code]

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "largestdata.h"

namespace {

struct Program {
    QString label;
    QString path;
    std::vector<double> ms;
    std::vector<double> mb;
};

long long monotonicNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One start; false when the program did not report its first window.
bool runOnce(Program& program) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WM_BENCH_EXIT_ON_SHOW"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    const long long started = monotonicNs();
    process.start(program.path, {});
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    const QByteArray errors = process.readAllStandardError();
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() == 3 && fields[0] == "WM_BENCH_FIRST_SHOW") {
            program.ms.push_back(double(fields[1].toLongLong() - started) / 1e6);
            program.mb.push_back(double(fields[2].toLongLong()) / 1024.0);
            return true;
        }
    }
    std::fprintf(stderr, "%s", errors.constData());
    return false;
}

// A program folder with the largest data, an options file and a copy of wmtool, which
// reads its data beside itself.
QString prepareFolder(const QString& folder, const QString& wmtool, int optionCode) {
    QString error;
    if (!QDir().mkpath(folder) || !wmbench::writeLargestData(folder, optionCode, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return QString();
    }
    const QString copy = QDir(folder).filePath(QStringLiteral("wmtool"));
    if (!QFile::copy(wmtool, copy)) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(wmtool));
        return QString();
    }
    return copy;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args[1] == QLatin1String("--prepare")) {
        const int code = args.size() > 4 ? args[4].toInt() : 11;
        return prepareFolder(args[2], args[3], code).isEmpty() ? 1 : 0;
    }
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: startcompare <wmtool> <barewindow> [runs]\n");
        return 2;
    }
    const int runs = args.size() > 3 ? std::max(1, args[3].toInt()) : 15;
    QTemporaryDir dir;
    const QString small = prepareFolder(dir.filePath(QStringLiteral("small")), args[1], 11);
    const QString large = prepareFolder(dir.filePath(QStringLiteral("large")), args[1], 22);
    if (!dir.isValid() || small.isEmpty() || large.isEmpty())
        return 1;
    std::vector<Program> programs{{QStringLiteral("bare window"), args[2], {}, {}},
                                  {QStringLiteral("wmtool small"), small, {}, {}},
                                  {QStringLiteral("wmtool large"), large, {}, {}}};
    if (args.size() > 4) {
        const QString earlierSmall =
            prepareFolder(dir.filePath(QStringLiteral("earlier-small")), args[4], 11);
        const QString earlierLarge =
            prepareFolder(dir.filePath(QStringLiteral("earlier-large")), args[4], 22);
        if (earlierSmall.isEmpty() || earlierLarge.isEmpty())
            return 1;
        programs.push_back({QStringLiteral("earlier small"), earlierSmall, {}, {}});
        programs.push_back({QStringLiteral("earlier large"), earlierLarge, {}, {}});
    }
    // One start of each untimed, so every program meets the same warm file cache.
    for (Program& program : programs) {
        Program warmUp{program.label, program.path, {}, {}};
        if (!runOnce(warmUp)) {
            std::fprintf(stderr, "%s did not show a window\n", qPrintable(program.path));
            return 1;
        }
    }
    // Alternating, and the order turns each round, so a load change hits all alike.
    for (int run = 0; run < runs; ++run) {
        for (size_t k = 0; k < programs.size(); ++k) {
            Program& program = programs[(k + size_t(run)) % programs.size()];
            if (!runOnce(program)) {
                std::fprintf(stderr, "%s did not show a window\n", qPrintable(program.path));
                return 1;
            }
        }
    }
    const double bareMs = median(programs[0].ms);
    const double bareMb = median(programs[0].mb);
    QFile load(QStringLiteral("/proc/loadavg"));
    const QByteArray loadAverage = load.open(QIODevice::ReadOnly) ? load.readAll().trimmed() : "?";
    std::printf("start to first window, %d alternating runs each (medians); load average %s\n",
                runs, loadAverage.constData());
    std::printf("%-14s %10s %8s %12s %8s\n", "program", "time ms", "ratio", "peak RSS MB", "ratio");
    for (const Program& program : programs) {
        const double ms = median(program.ms);
        const double mb = median(program.mb);
        std::printf("%-14s %10.1f %8.2f %12.1f %8.2f\n", qPrintable(program.label), ms, ms / bareMs,
                    mb, mb / bareMb);
    }
    return 0;
}
