// How fast a folder of 100,000 files lists and filters, measured against a bare readdir loop
// over the same folder and against QDir::entryList. Prints the ratios at the end.

#include "platform/filelist.h"
#include "platform/form.h"
#include "platform/host.h"

#include <QDir>
#include <QSize>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <string>
#include <unistd.h>

namespace {

constexpr int kFiles = 100000;

// The list models need a form, and a form a host; nothing here ever reaches it.
class NullHost : public Host
{
public:
    QString GetSetting(const QString&, const QString& defaultValue) override { return defaultValue; }
    void SaveSetting(const QString&, const QString&) override {}
    QString DataFolder() override { return {}; }
    QString CacheFolder() override { return {}; }
    QString HomeFolder() override { return QDir::homePath(); }
    bool StartProcess(const QString&, const QStringList&) override { return false; }
    bool ShellOpen(const QString&) override { return false; }
    int Download(const QString&, const QString&) override { return 1; }
    void ClipboardSetText(const QString&) override {}
    void ShowModal(Form&) override {}
    void PopupMenu(Form&, MenuItem&) override {}
    int ScreenWidth() override { return 0; }
    int ScreenHeight() override { return 0; }
    QSize MeasureText(const QString&) override { return {}; }
    void SendEnter() override {}
    void DoEvents() override {}
};

// A folder of kFiles empty files with mixed names, cases and extensions, removed at exit.
class BenchFolder
{
public:
    BenchFolder()
    {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/wayfolder_bench_XXXXXX";
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        m_path = pattern;
        static const char* const kForms[] = {"file_%06d.txt",
                                             "File_%06d.TXT",
                                             "report_%06d.dat",
                                             "Notes-%06d.log",
                                             "photo %06d.jpg",
                                             "data.%06d.txt",
                                             "\xC3\x85tg\xC3\xA4rd_%06d.txt",
                                             "ARCHIVE_%06d.tar.gz"};
        char name[64];
        for (int i = 0; i < kFiles; ++i) {
            std::snprintf(name, sizeof name, kForms[(i * 7) % 8], i);
            const int fd = ::open((m_path + '/' + name).c_str(), O_CREAT | O_WRONLY, 0600);
            if (fd < 0) {
                std::perror("open");
                std::exit(1);
            }
            ::close(fd);
        }
    }
    ~BenchFolder() { QDir(QString::fromStdString(m_path)).removeRecursively(); }

    const std::string& path() const { return m_path; }
    QString qpath() const { return QString::fromStdString(m_path); }

private:
    std::string m_path;
};

BenchFolder* g_folder = nullptr;

void BM_Readdir(benchmark::State& state)
{
    for (auto _ : state) {
        DIR* dir = opendir(g_folder->path().c_str());
        int64_t entries = 0;
        while (readdir(dir) != nullptr)
            ++entries;
        closedir(dir);
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(BM_Readdir)->Unit(benchmark::kMillisecond);

void BM_FileListSetPath(benchmark::State& state)
{
    NullHost host;
    Form form(host, QStringLiteral("Bench"));
    FileList fileList(form, QStringLiteral("FileList"));
    fileList.setPattern(QStringLiteral("*.*"));
    for (auto _ : state) {
        fileList.setPath(g_folder->qpath()); // reads the folder again every time
        benchmark::DoNotOptimize(fileList.ListCount());
    }
    state.counters["files"] = fileList.ListCount();
}
BENCHMARK(BM_FileListSetPath)->Unit(benchmark::kMillisecond);

void BM_FileListSetPattern(benchmark::State& state)
{
    NullHost host;
    Form form(host, QStringLiteral("Bench"));
    FileList fileList(form, QStringLiteral("FileList"));
    fileList.setPath(g_folder->qpath());
    bool txt = false;
    for (auto _ : state) {
        txt = !txt;
        fileList.setPattern(txt ? QStringLiteral("*.txt") : QStringLiteral("*7*"));
        benchmark::DoNotOptimize(fileList.ListCount());
    }
}
BENCHMARK(BM_FileListSetPattern)->Unit(benchmark::kMillisecond);

void BM_QDirEntryList(benchmark::State& state)
{
    for (auto _ : state) {
        QDir dir(g_folder->qpath());
        const QStringList names =
            dir.entryList({QStringLiteral("*.*")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
        benchmark::DoNotOptimize(names.size());
    }
}
BENCHMARK(BM_QDirEntryList)->Unit(benchmark::kMillisecond);

void BM_QDirEntryListTxt(benchmark::State& state)
{
    for (auto _ : state) {
        QDir dir(g_folder->qpath());
        const QStringList names =
            dir.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
        benchmark::DoNotOptimize(names.size());
    }
}
BENCHMARK(BM_QDirEntryListTxt)->Unit(benchmark::kMillisecond);

// Keeps the real and CPU time per iteration of every benchmark for the ratios. On a busy machine
// the CPU time is the steadier of the two.
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
    struct Times
    {
        double real;
        double cpu;
    };
    std::map<std::string, Times> times;
};

void printRatio(const RatioReporter& reporter, const char* label, const char* a, const char* b)
{
    const auto ta = reporter.times.find(a);
    const auto tb = reporter.times.find(b);
    if (ta == reporter.times.end() || tb == reporter.times.end() || tb->second.real <= 0 ||
        tb->second.cpu <= 0)
        return;
    std::printf("%-36s = %.2fx  (CPU time %.2fx)\n", label, ta->second.real / tb->second.real,
                ta->second.cpu / tb->second.cpu);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    BenchFolder folder;
    g_folder = &folder;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n");
    printRatio(reporter, "setPath / readdir", "BM_FileListSetPath", "BM_Readdir");
    printRatio(reporter, "setPattern / readdir", "BM_FileListSetPattern", "BM_Readdir");
    printRatio(reporter, "QDir::entryList / setPath", "BM_QDirEntryList", "BM_FileListSetPath");
    printRatio(reporter, "QDir::entryList *.txt / setPattern", "BM_QDirEntryListTxt",
               "BM_FileListSetPattern");
    return 0;
}
