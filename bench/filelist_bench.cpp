// How fast folders of 100,000 and 1,000,000 files list and filter, and how soon the main window
// paints, each as a ratio: the listing against a bare readdir loop over the same folder, a start
// of the program (a process of its own, up to the first paint) against the start of one that
// shows a bare QMainWindow with three empty views. Prints every ratio as
// "NAME = R.RRx" at the end, from medians when run with --benchmark_repetitions.
//
// WAYFOLDER_BENCH_DIR keeps the generated folders there between runs (the 1M folder takes a
// while to make); without it they go to a temporary folder removed at exit.
// WAYFOLDER_BENCH_SIZES ("100000,1000000" by default) chooses the folder sizes.

#include "core/dialogs/module1.h"
#include "core/formats/favofile.h"
#include "core/mainform/mainform.h"
#include "core/system/memoryreuse.h"
#include "core/system/windowlesshost.h"
#include "core/toolkit/filelist.h"
#include "core/toolkit/folderlist.h"
#include "core/toolkit/form.h"
#include "shell/host/qthost.h"
#include "shell/windows/mainwindow.h"
#include "shell/windows/startup.h"
#include "slowmount.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHBoxLayout>
#include <QListView>
#include <QMainWindow>
#include <QProcess>
#include <QSize>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

void fail(const char* what)
{
    std::perror(what);
    std::exit(1);
}

std::string g_root;
bool g_removeRoot = false;

// A folder of `files` empty files with mixed names, cases and extensions: half of the names
// hold "txt", one in eight "jpg". Made once; a folder that is complete already is kept.
std::string fileFolder(int files)
{
    const std::string path = g_root + "/files_" + std::to_string(files);
    const std::string done = g_root + "/.files_" + std::to_string(files) + ".done";
    if (access(done.c_str(), F_OK) == 0)
        return path;
    mkdir(path.c_str(), 0700);
    static const char* const kForms[] = {"file_%07d.txt",
                                         "File_%07d.TXT",
                                         "report_%07d.dat",
                                         "Notes-%07d.log",
                                         "photo %07d.jpg",
                                         "data.%07d.txt",
                                         "\xC3\x85tg\xC3\xA4rd_%07d.txt",
                                         "ARCHIVE_%07d.tar.gz"};
    std::fprintf(stderr, "making %d files in %s\n", files, path.c_str());
    char name[64];
    for (int i = 0; i < files; ++i) {
        std::snprintf(name, sizeof name, kForms[(i * 7) % 8], i);
        const int fd = ::open((path + '/' + name).c_str(), O_CREAT | O_WRONLY, 0600);
        if (fd < 0)
            fail("open");
        ::close(fd);
    }
    ::close(::open(done.c_str(), O_CREAT | O_WRONLY, 0600));
    return path;
}

std::string subfolderFolder(int folders)
{
    const std::string path = g_root + "/folders_" + std::to_string(folders);
    const std::string done = g_root + "/.folders_" + std::to_string(folders) + ".done";
    if (access(done.c_str(), F_OK) == 0)
        return path;
    mkdir(path.c_str(), 0700);
    std::fprintf(stderr, "making %d folders in %s\n", folders, path.c_str());
    char name[64];
    for (int i = 0; i < folders; ++i) {
        std::snprintf(name, sizeof name, i % 2 ? "Folder %06d" : "dir_%06d", i);
        if (mkdir((path + '/' + name).c_str(), 0700) != 0 && errno != EEXIST)
            fail("mkdir");
    }
    ::close(::open(done.c_str(), O_CREAT | O_WRONLY, 0600));
    return path;
}

QString q(const std::string& path)
{
    return QString::fromStdString(path);
}

void readdirLoop(benchmark::State& state, const std::string& folder)
{
    for (auto _ : state) {
        DIR* dir = opendir(folder.c_str());
        int64_t entries = 0;
        while (readdir(dir) != nullptr)
            ++entries;
        closedir(dir);
        benchmark::DoNotOptimize(entries);
    }
}

void fileListSetPath(benchmark::State& state, const std::string& folder, const QString& pattern)
{
    WindowlessHost host;
    Form form(host, QStringLiteral("Bench"));
    for (auto _ : state) {
        // A new list each time, as a folder change that finds the pattern already set.
        FileList fileList(form, QStringLiteral("FileList"));
        fileList.setPattern(pattern);
        fileList.setPath(q(folder));
        benchmark::DoNotOptimize(fileList.ListCount());
    }
}

void qdirEntryList(benchmark::State& state, const std::string& folder, const QString& pattern)
{
    for (auto _ : state) {
        QDir dir(q(folder));
        const QStringList names = dir.entryList({pattern}, QDir::Files, QDir::Name | QDir::IgnoreCase);
        benchmark::DoNotOptimize(names.size());
    }
}

// The second keystroke of "tx" typed into the filter box of an open folder.
void keystroke(benchmark::State& state, const std::string& folder)
{
    WindowlessHost host;
    Form form(host, QStringLiteral("Bench"));
    FileList fileList(form, QStringLiteral("FileList"));
    fileList.setPath(q(folder));
    for (auto _ : state) {
        state.PauseTiming();
        fileList.setPattern(QStringLiteral("*t*"));
        state.ResumeTiming();
        fileList.setPattern(QStringLiteral("*tx*"));
        benchmark::DoNotOptimize(fileList.ListCount());
    }
}

void treeSetPath(benchmark::State& state, const std::string& folder)
{
    WindowlessHost host;
    Form form(host, QStringLiteral("Bench"));
    int listed = 0;
    for (auto _ : state) {
        FolderList tree(form, QStringLiteral("DirList"));
        tree.setPath(q(folder));
        listed = tree.ListCount();
        benchmark::DoNotOptimize(listed);
    }
    state.counters["listed"] = listed;
}

// CPU time of every thread of the process since it was started.
double processCpuSeconds()
{
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// Notes the first paint of a window, and when it came: later events (the first activation) may
// run in the same round of the event loop.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget& window) { window.installEventFilter(this); }
    bool painted = false;
    double paintedAt = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            paintedAt = processCpuSeconds();
        }
        return false;
    }
};

template <typename Done> void runEventsUntil(Done done)
{
    QElapsedTimer deadline;
    deadline.start();
    while (!done() && deadline.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// A bare QMainWindow with three empty list views, shown; returns when it first painted.
double paintBareWindow()
{
    QMainWindow window;
    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    for (int i = 0; i < 3; ++i)
        layout->addWidget(new QListView);
    window.setCentralWidget(central);
    PaintWatch watch(window);
    window.show();
    runEventsUntil([&] { return watch.painted; });
    return watch.paintedAt;
}

// A folder of 20,000 files on a share that waits 200 ms for every operation: the time from the
// folder change until the first names show, against the time of one operation.
struct SlowShare
{
    std::unique_ptr<SlowMount> mount;
    QString folder;

    SlowShare()
    {
        const QString files = q(fileFolder(20000));
        mount = std::make_unique<SlowMount>(g_root, 200);
        if (!mount->ok())
            fail(mount->error().c_str());
        folder = q(mount->mountPoint()) + u'/' + files.section(u'/', -1);
    }
};

SlowShare& slowShare()
{
    static SlowShare share;
    return share;
}

void slowShareFirstNames(benchmark::State& state)
{
    SlowShare& share = slowShare();
    QtHost host;
    Form form(host, QStringLiteral("Bench"));
    for (auto _ : state) {
        FileList fileList(form, QStringLiteral("FileList"));
        QElapsedTimer timer;
        timer.start();
        fileList.setPath(share.folder);
        runEventsUntil([&] { return fileList.ListCount() > 0; });
        state.SetIterationTime(double(timer.nsecsElapsed()) * 1e-9);
        // The rest of the read, before the next one starts.
        runEventsUntil([&] { return fileList.State() == FileList::ReadState::Done; });
    }
}

void slowShareOneOperation(benchmark::State& state)
{
    // The share's own root: one getattr, no lookup.
    const QByteArray root = QByteArray::fromStdString(slowShare().mount->mountPoint());
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        struct stat info;
        benchmark::DoNotOptimize(::stat(root.constData(), &info));
        state.SetIterationTime(double(timer.nsecsElapsed()) * 1e-9);
    }
}

// The real main window, made and shown as the program does; returns when it first painted. Its
// first activation, after the paint, opens the one favorite of the favorites file that
// XDG_DATA_HOME holds.
double paintMainWindow()
{
    QtHost host;
    Module1 module(host);
    MainForm& form = module.mainForm();
    form.Load();
    MainWindow window(form, host.scale());
    PaintWatch watch(window);
    ShowThenActivate(window, form);
    runEventsUntil([&] { return watch.painted; });
    return watch.paintedAt;
}

// A start is measured in a process of its own, as the user gets it: from the start of the
// process, through loading the libraries, making the application, the style, the fonts and the
// platform window, to the window's first paint. Prints the CPU time of the whole process up to
// that paint, in seconds.
int startProbe(int argc, char** argv, const char* which)
{
    QApplication app(argc, argv);
    const double seconds = std::strcmp(which, "bare") == 0 ? paintBareWindow() : paintMainWindow();
    std::printf("%.9f\n", seconds);
    std::fflush(stdout);
    // The activation may be listing the folder by now; the measurement is done.
    std::_Exit(0);
}

void startInProcess(benchmark::State& state, const char* which)
{
    for (auto _ : state) {
        QProcess probe;
        probe.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--start-probe"), QString::fromLatin1(which)});
        if (!probe.waitForFinished(60000) || probe.exitCode() != 0) {
            state.SkipWithError("the start probe failed");
            return;
        }
        state.SetIterationTime(probe.readAllStandardOutput().trimmed().toDouble());
    }
}

// A favorites file whose one favorite is `folder`, in an XDG home of its own for the probes.
void useHomeOpening(const std::string& folder, const char* home)
{
    const QString xdg = q(g_root) + QStringLiteral("/xdg_") + QString::fromLatin1(home);
    QDir(xdg).removeRecursively();
    QDir().mkpath(xdg + QStringLiteral("/data/Wayfolder"));
    QDir().mkpath(xdg + QStringLiteral("/config"));
    QDir().mkpath(xdg + QStringLiteral("/cache"));
    QFile favorites(xdg + QStringLiteral("/data/Wayfolder/FavoDirs.dat"));
    if (!favorites.open(QIODevice::WriteOnly) || favorites.write(DefaultFavoFileBytes(q(folder))) < 0)
        fail("favorites");
    favorites.close();
    qputenv("XDG_DATA_HOME", (xdg + QStringLiteral("/data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (xdg + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_CACHE_HOME", (xdg + QStringLiteral("/cache")).toUtf8());
}

void startMainWindow(benchmark::State& state, const std::string& folder, const char* home)
{
    useHomeOpening(folder, home);
    startInProcess(state, "main");
}

long residentBytes()
{
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// Keeps the real and CPU time of every benchmark (the median when repeated) for the ratios.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            // The name as registered: without the settings shown after it and the aggregate's suffix.
            std::string name = run.benchmark_name();
            for (const std::string suffix : {"_median", "_mean", "_stddev", "_cv"}) {
                if (name.size() > suffix.size() &&
                    name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                    name.erase(name.size() - suffix.size());
            }
            for (const char* const setting : {"/iterations:", "/manual_time"}) {
                if (const auto at = name.find(setting); at != std::string::npos)
                    name.erase(at, name.find('/', at + 1) - at);
            }
            const Times t{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[name] = t;
            else if (run.run_type == Run::RT_Iteration && !medians.count(name))
                times[name] = t;
        }
    }
    struct Times
    {
        double real;
        double cpu;
    };
    const Times* find(const std::string& name) const
    {
        auto m = medians.find(name);
        if (m != medians.end())
            return &m->second;
        auto t = times.find(name);
        return t != times.end() ? &t->second : nullptr;
    }
    std::map<std::string, Times> times;
    std::map<std::string, Times> medians;
};

struct Ratio
{
    std::string label;
    std::string a;
    std::string b;
    bool manual; // measured by hand as thread CPU time, reported as the real time
};

} // namespace

int main(int argc, char** argv)
{
    // As the program does: a folder change then reuses the memory the last one freed.
    KeepFreedMemoryForReuse();
    if (argc == 3 && std::strcmp(argv[1], "--start-probe") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return startProbe(argc, argv, argv[2]);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication app(argc, argv);

    const QByteArray keep = qgetenv("WAYFOLDER_BENCH_DIR");
    if (!keep.isEmpty()) {
        g_root = keep.toStdString();
        QDir().mkpath(q(g_root));
    } else {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/wayfolder_bench_XXXXXX";
        if (!mkdtemp(pattern.data()))
            fail("mkdtemp");
        g_root = pattern;
        g_removeRoot = true;
    }
    std::vector<int> sizes;
    const QByteArray sizeText = qgetenv("WAYFOLDER_BENCH_SIZES");
    for (const QByteArray& size : (sizeText.isEmpty() ? QByteArray("100000,1000000") : sizeText).split(','))
        sizes.push_back(size.toInt());

    std::vector<Ratio> ratios;
    const auto label = [](int n) {
        return n % 1000000 == 0 ? std::to_string(n / 1000000) + "M" : std::to_string(n / 1000) + "k";
    };

    // Memory first, on a fresh heap: what the tree and the file list keep for a 100k folder.
    double memoryMb = -1;
    {
        const std::string folder = fileFolder(100000);
        WindowlessHost host;
        Form form(host, QStringLiteral("Bench"));
        const long before = residentBytes();
        FolderList tree(form, QStringLiteral("DirList"));
        FileList files(form, QStringLiteral("FileList"));
        tree.feedFiles(&files);
        tree.Change = [&] { files.setPath(tree.Path()); };
        tree.setPath(q(folder));
        memoryMb = double(residentBytes() - before) / (1024.0 * 1024.0);
    }

    for (const int n : sizes) {
        const std::string folder = fileFolder(n);
        const std::string l = label(n);
        const auto reg = [&](const std::string& name, auto fn) {
            benchmark::RegisterBenchmark(("BM_" + name + "/" + l).c_str(), fn)->Unit(benchmark::kMillisecond);
            return "BM_" + name + "/" + l;
        };
        const std::string rd = reg("Readdir", [folder](benchmark::State& s) { readdirLoop(s, folder); });
        const struct
        {
            const char* name;
            QString pattern;
        } patterns[] = {{"", QStringLiteral("*.*")},
                        {"_txt", QStringLiteral("*txt*")},
                        {"_jpg", QStringLiteral("*jpg*")}};
        for (const auto& p : patterns) {
            const QString pattern = p.pattern;
            const std::string sp =
                reg(std::string("SetPath") + p.name,
                    [folder, pattern](benchmark::State& s) { fileListSetPath(s, folder, pattern); });
            const QString qdirPattern = pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
            const std::string qd =
                reg(std::string("QDirEntryList") + p.name,
                    [folder, qdirPattern](benchmark::State& s) { qdirEntryList(s, folder, qdirPattern); });
            ratios.push_back({std::string("setpath") + p.name + "_" + l + "_vs_readdir", sp, rd, false});
            ratios.push_back(
                {std::string("qdir_entrylist") + p.name + "_" + l + "_vs_setpath", qd, sp, false});
        }
        const std::string ks = reg("Keystroke", [folder](benchmark::State& s) { keystroke(s, folder); });
        ratios.push_back({"keystroke_" + l + "_vs_readdir", ks, rd, false});
    }

    {
        const std::string folder = subfolderFolder(100000);
        benchmark::RegisterBenchmark("BM_ReaddirSubfolders/100k", [folder](benchmark::State& s) {
            readdirLoop(s, folder);
        })->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_TreeSetPath/100k", [folder](benchmark::State& s) {
            treeSetPath(s, folder);
        })->Unit(benchmark::kMillisecond);
        ratios.push_back(
            {"tree_100k_subfolders_vs_readdir", "BM_TreeSetPath/100k", "BM_ReaddirSubfolders/100k", false});
    }

    {
        const std::string empty = g_root + "/empty";
        mkdir(empty.c_str(), 0700);
        const std::string full = fileFolder(100000);
        // A handful of starts each: every one is a process.
        benchmark::RegisterBenchmark("BM_StartBareWindow/-",
                                     [](benchmark::State& s) { startInProcess(s, "bare"); })
            ->UseManualTime()
            ->Iterations(5)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_StartEmptyFolder/-",
                                     [empty](benchmark::State& s) { startMainWindow(s, empty, "empty"); })
            ->UseManualTime()
            ->Iterations(5)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_Start100kFolder/-",
                                     [full](benchmark::State& s) { startMainWindow(s, full, "full"); })
            ->UseManualTime()
            ->Iterations(5)
            ->Unit(benchmark::kMillisecond);
        ratios.push_back({"first_paint_empty_folder_vs_bare_window", "BM_StartEmptyFolder/-",
                          "BM_StartBareWindow/-", true});
        ratios.push_back(
            {"first_paint_100k_folder_vs_bare_window", "BM_Start100kFolder/-", "BM_StartBareWindow/-", true});
    }

    {
        benchmark::RegisterBenchmark("BM_SlowShareFirstNames/20k", slowShareFirstNames)
            ->UseManualTime()
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_SlowShareOneOperation/20k", slowShareOneOperation)
            ->UseManualTime()
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
        ratios.push_back({"first_names_20k_slow_share_vs_one_operation", "BM_SlowShareFirstNames/20k",
                          "BM_SlowShareOneOperation/20k", true});
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    // CPU time: on a machine shared with other work it is the steadier measure. The start
    // benchmarks measure the main thread's CPU time by hand.
    std::printf("\nRatios (CPU time; medians when repeated):\n");
    for (const Ratio& r : ratios) {
        const auto* a = reporter.find(r.a);
        const auto* b = reporter.find(r.b);
        if (!a || !b)
            continue;
        const double ratio = r.manual ? a->real / b->real : a->cpu / b->cpu;
        std::printf("%s = %.2fx\n", r.label.c_str(), ratio);
    }
    std::printf("memory_100k_files = %.1f MB\n", memoryMb);
    std::printf("\nRatios (wall-clock time):\n");
    for (const Ratio& r : ratios) {
        const auto* a = reporter.find(r.a);
        const auto* b = reporter.find(r.b);
        if (!a || !b || r.manual)
            continue;
        std::printf("%s_wall = %.2fx\n", r.label.c_str(), a->real / b->real);
    }
    if (g_removeRoot)
        QDir(q(g_root)).removeRecursively();
    return 0;
}
