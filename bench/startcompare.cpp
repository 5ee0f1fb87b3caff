// Starts wmtool (small and large window, on the largest data) and the bare Qt window in
// turn and reports, for each, the median time from starting the process to its first
// painted window and the median peak memory at that moment, and their ratios to the bare
// window. When floorwindow lies beside the bare window, it is started too, once for each
// of wmtool's windows, on the same data and with the texts, fonts and size that window
// reported: the floor no start of that window can go below.
// Usage: startcompare <wmtool> <barewindow> [runs [earlier wmtool]]; an earlier build,
// when given, is started in the same rounds to compare before and after.
// Or, to profile one start by hand: startcompare --prepare <folder> <wmtool> [option code]

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
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
    QStringList arguments = {};
    std::vector<double> ms = {};
    std::vector<double> mb = {};
    // The lines describing the painted window, from the last start.
    QMap<QByteArray, QByteArray> described = {};
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
    process.start(program.path, program.arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    const QByteArray errors = process.readAllStandardError();
    bool shown = false;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(' ');
        if (fields.size() == 3 && fields[0] == "WM_BENCH_FIRST_SHOW") {
            program.ms.push_back(double(fields[1].toLongLong() - started) / 1e6);
            program.mb.push_back(double(fields[2].toLongLong()) / 1024.0);
            shown = true;
        } else if (line.startsWith("WM_BENCH_")) {
            const qsizetype space = line.indexOf(' ');
            program.described.insert(line.left(space),
                                     space < 0 ? QByteArray() : line.mid(space + 1));
        }
    }
    if (!shown)
        std::fprintf(stderr, "%s", errors.constData());
    return shown;
}

// floorwindow's arguments for the window a program in `folder` described.
QStringList floorArguments(const QString& folder, const QMap<QByteArray, QByteArray>& described) {
    const QList<QByteArray> size = described.value("WM_BENCH_WINDOW").split(' ');
    const QByteArray font = described.value("WM_BENCH_FONT");
    const qsizetype space = font.indexOf(' ');
    if (size.size() != 2 || space < 0)
        return {};
    QStringList arguments{folder,
                          QString::fromLatin1(size[0]),
                          QString::fromLatin1(size[1]),
                          QString::fromUtf8(font.left(space)),
                          QString::fromUtf8(font.mid(space + 1)),
                          QString::fromUtf8(described.value("WM_BENCH_TEXT"))};
    const QByteArray mono = described.value("WM_BENCH_MONO");
    if (const qsizetype monoSpace = mono.indexOf(' '); monoSpace > 0)
        arguments << QString::fromUtf8(mono.left(monoSpace))
                  << QString::fromUtf8(mono.mid(monoSpace + 1));
    return arguments;
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
    std::vector<Program> programs{{QStringLiteral("bare window"), args[2]},
                                  {QStringLiteral("wmtool small"), small},
                                  {QStringLiteral("wmtool large"), large}};
    if (args.size() > 4) {
        const QString earlierSmall =
            prepareFolder(dir.filePath(QStringLiteral("earlier-small")), args[4], 11);
        const QString earlierLarge =
            prepareFolder(dir.filePath(QStringLiteral("earlier-large")), args[4], 22);
        if (earlierSmall.isEmpty() || earlierLarge.isEmpty())
            return 1;
        programs.push_back({QStringLiteral("earlier small"), earlierSmall});
        programs.push_back({QStringLiteral("earlier large"), earlierLarge});
    }
    // One start of each untimed, so every program meets the same warm file cache; wmtool's
    // starts also tell what the floor windows show.
    const QString floor = QFileInfo(args[2]).dir().filePath(QStringLiteral("floorwindow"));
    const bool withFloor = QFileInfo(floor).isExecutable();
    for (size_t k = 0; k < programs.size(); ++k) {
        Program warmUp{programs[k].label, programs[k].path, programs[k].arguments};
        if (!runOnce(warmUp)) {
            std::fprintf(stderr, "%s did not show a window\n", qPrintable(warmUp.path));
            return 1;
        }
        if (withFloor && (k == 1 || k == 2)) {
            const QStringList arguments =
                floorArguments(QFileInfo(warmUp.path).path(), warmUp.described);
            if (arguments.isEmpty()) {
                std::fprintf(stderr, "%s did not describe its window\n", qPrintable(warmUp.path));
                return 1;
            }
            programs.push_back(
                {QStringLiteral("floor ") + warmUp.label.section(' ', 1), floor, arguments});
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
