// The engine's largest random run and a Key file of a million Keys, timed, with the peak
// memory of the process. Run by hand through bench/engine-bench, which sets them beside
// the tools a user would reach for instead.

#include "BenchRunUi.h"
#include "io/SystemTextFileLayer.h"
#include "random/SodiumRandomSource.h"
#include "run/RunGeneration.h"
#include "text/Cp936.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <cstdio>
#include <sys/resource.h>

using namespace parolex;
using namespace parolex::bench;
using namespace Qt::StringLiterals;

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double peakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

bool runMaxRun(const QString &folder)
{
    GenerationOptions options; // all four classes and "+-=\/", as the main window loads
    options.CountText = u"16777216"_s;
    options.LengthText = u"26"_s;
    options.FilterDuplicates = true;
    options.FileOutput = true;
    options.OutputFilePath = folder + u"/max-run.txt"_s;

    BenchRunUi ui;
    SodiumRandomSource random;
    SystemTextFileLayer files;
    ui.restartGapClock();
    const double cpuBefore = cpuSeconds();
    QElapsedTimer timer;
    timer.start();
    RunGeneration(options, ui, ui, random, files);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;

    std::printf("max_run_seconds=%.3f\n", seconds);
    // Processor time as well: on a busy machine the wall time also counts waiting.
    std::printf("max_run_cpu_seconds=%.3f\n", cpuSeconds() - cpuBefore);
    std::printf("max_run_peak_mib=%.1f\n", peakMemoryMiB());
    std::printf("max_run_passwords=%lld\n", static_cast<long long>(ui.results().size()));
    // From the start of the run (file creation and set-up included) to the first event pass,
    // then the longest stretch between two passes during the generation loop.
    std::printf("max_run_first_event_pass_ms=%lld\n", static_cast<long long>(ui.firstPassMs()));
    std::printf("max_run_longest_event_gap_ms=%lld\n", static_cast<long long>(ui.longestGapMs()));
    std::printf("max_run_file_bytes=%lld\n",
                static_cast<long long>(QFileInfo(options.OutputFilePath).size()));
    const bool ok = ui.results().size() > 16000000 && ui.selectedRow() >= 0 && ui.messages().size() == 1;
    if (!ok)
        std::printf("max_run_error=%s\n", qPrintable(ui.messages().join(u" | "_s)));
    QFile::remove(options.OutputFilePath);
    return ok;
}

/// A million Keys of 10 to 40 characters, about one in five with Chinese characters.
QString writeKeyFile(const QString &path)
{
    static const QString chinese = u"中文密码生成器安全钥匙测试"_s;
    QRandomGenerator generator(2641);
    QByteArray bytes;
    bytes.reserve(30 * 1000 * 1000);
    QString key;
    for (int i = 0; i < 1000000; ++i) {
        key.clear();
        const int length = 10 + int(generator.bounded(31));
        const bool withChinese = generator.bounded(5) == 0;
        for (int k = 0; k < length; ++k) {
            if (withChinese && generator.bounded(3) == 0)
                key += chinese.at(generator.bounded(int(chinese.size())));
            else
                key += QChar(char16_t(u'!' + generator.bounded(94)));
        }
        bytes += Cp936::encode(key);
        bytes += "\r\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(bytes);
    return path;
}

bool runKeyFile(const QString &folder)
{
    GenerationOptions options;
    options.FromKey = true;
    options.FileOutput = true;
    options.KeyFilePath = writeKeyFile(folder + u"/keys.txt"_s);
    options.OutputFilePath = folder + u"/keys-out.txt"_s;

    BenchRunUi ui;
    SodiumRandomSource random;
    SystemTextFileLayer files;
    QElapsedTimer timer;
    timer.start();
    RunGeneration(options, ui, ui, random, files);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    std::printf("key_file_seconds=%.3f\n", seconds);
    std::printf("key_file_keys_per_second=%.0f\n", 1e6 / seconds);
    QFile::remove(options.KeyFilePath);
    QFile::remove(options.OutputFilePath);
    return ui.results().size() == 1000000;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const bool maxRunOk = runMaxRun(folder);
    const bool keyFileOk = runKeyFile(folder);
    return maxRunOk && keyFileOk ? 0 : 1;
}
