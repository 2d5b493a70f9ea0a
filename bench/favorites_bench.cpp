// How fast the favorites command line and the find-favorite search are with five files of
// 10,000 favorites each, against reading the five files' bytes. Prints the ratios at the end,
// and whether each stays within 50 ms.

#include "core/cli/favoritescli.h"
#include "core/dialogs/findfavoriteform.h"
#include "core/dialogs/module1.h"
#include "core/formats/favofile.h"
#include "core/system/atomicfile.h"
#include "core/system/windowlesshost.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <string>
#include <unistd.h>

namespace {

constexpr int kSets = 5;
constexpr int kFavorites = 10000;

// A home with five favorites files, the XDG folders pointed into it; removed at exit.
class BenchHome
{
public:
    BenchHome()
    {
        qputenv("HOME", m_dir.path().toUtf8());
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
        m_data = m_dir.path() + QStringLiteral("/.local/share/Wayfolder");
        QDir().mkpath(m_data);
        static const char* const kWords[] = {"Projects", "Music", "Photos", "Reports", "Invoices", "Backup"};
        for (int set = 1; set <= kSets; ++set) {
            QStringList lines{FavoHeaderEnglish};
            for (int i = 0; i < kFavorites; ++i) {
                const QString word = QString::fromLatin1(kWords[(i + set) % 6]);
                const QString name =
                    QStringLiteral("%1 %2-%3").arg(word).arg(set).arg(i, 5, 10, QLatin1Char('0'));
                const QString path = QStringLiteral("/srv/data/%1/%2/item %3").arg(set).arg(word).arg(i);
                lines.append(i % 97 == 0
                                 ? QStringLiteral("-*-")
                                 : ComposeFavoLine(name, path, i % 3 ? QString() : QStringLiteral("*.txt")));
            }
            const QString path = m_data + u'/' + FavoFileName(int16_t(set));
            WriteFileLocked(path, EncodeFavoLines(lines), MaxFavoFileBytes);
            m_files.push_back(QFile::encodeName(path).toStdString());
        }
    }
    const std::vector<std::string>& files() const { return m_files; }

private:
    QTemporaryDir m_dir;
    QString m_data;
    std::vector<std::string> m_files;
};

BenchHome* g_home = nullptr;

void BM_ReadFiveFiles(benchmark::State& state)
{
    std::vector<char> buffer(1 << 16);
    for (auto _ : state) {
        size_t total = 0;
        for (const std::string& file : g_home->files()) {
            const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
            ssize_t n = 0;
            while ((n = read(fd, buffer.data(), buffer.size())) > 0)
                total += size_t(n);
            close(fd);
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadFiveFiles)->Unit(benchmark::kMillisecond);

int runCommand(const QStringList& args)
{
    QString out;
    QString err;
    QTextStream o(&out);
    QTextStream e(&err);
    const int code = runFavoritesCommand(args, o, e).value_or(-1);
    o.flush();
    benchmark::DoNotOptimize(out.size());
    return code;
}

void BM_List(benchmark::State& state)
{
    for (auto _ : state)
        runCommand({QStringLiteral("wayfolder"), QStringLiteral("--list"), QStringLiteral("--set"),
                    QString::number(state.iterations() % kSets + 1)});
}
BENCHMARK(BM_List)->Unit(benchmark::kMillisecond);

void BM_Path(benchmark::State& state)
{
    // A name near the end of the file, in another case: the whole file is read and searched.
    for (auto _ : state) {
        if (runCommand({QStringLiteral("wayfolder"), QStringLiteral("--path"),
                        QStringLiteral("music 5-09998"), QStringLiteral("--set"), QStringLiteral("5")}) != 0)
            state.SkipWithError("--path found nothing");
    }
}
BENCHMARK(BM_Path)->Unit(benchmark::kMillisecond);

void BM_SearchKeystroke(benchmark::State& state)
{
    WindowlessHost host; // its folders are the bench home's
    Module1 module(host);
    FindFavoriteForm find(module);
    find.Load(); // reads the five files once, as opening the dialog does
    // Typing on: each keystroke narrows or widens the hits over all 50,000 favorites.
    const QString queries[] = {QStringLiteral("rep"), QStringLiteral("repo"), QStringLiteral("item 99"),
                               QStringLiteral("ITEM 9")};
    size_t k = 0;
    for (auto _ : state) {
        find.Text_Search.setText(queries[k++ % 4]);
        benchmark::DoNotOptimize(find.List_Hits.ListCount());
    }
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond);

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        }
    }
    // Milliseconds per iteration. On a machine shared with other work the CPU time is the steadier.
    struct Times
    {
        double real;
        double cpu;
    };
    std::map<std::string, Times> times;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    BenchHome home;
    g_home = &home;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto base = reporter.times.find("BM_ReadFiveFiles");
    if (base == reporter.times.end() || base->second.real <= 0 || base->second.cpu <= 0)
        return 0;
    std::printf("\n");
    bool within = true;
    for (const auto& [label, name] :
         {std::pair{"--list / read five files", "BM_List"}, std::pair{"--path / read five files", "BM_Path"},
          std::pair{"search keystroke / read five files", "BM_SearchKeystroke"}}) {
        const auto t = reporter.times.find(name);
        if (t == reporter.times.end())
            continue;
        std::printf("%-36s = %.2fx  (%.2f ms; CPU time %.2fx, %.2f ms)\n", label,
                    t->second.real / base->second.real, t->second.real, t->second.cpu / base->second.cpu,
                    t->second.cpu);
        within = within && t->second.real <= 50.0;
    }
    std::printf("%s\n", within ? "each within 50 ms" : "NOT each within 50 ms (real time)");
    return 0;
}
