// The copy engine on real folders: one volume (/tmp) and another (/dev/shm), names that are not
// UTF-8, taken names, a cancel half-way through a file and a disk that fills up.

#include "core/system/filecopy.h"
#include "core/system/filename.h"
#include "filesizelimit.h"

#include <QTemporaryDir>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using FileCopy::Answer;

namespace {

const std::string Raw = "raw\xff.bin";

struct Folders
{
    QTemporaryDir local;
    QTemporaryDir other{QStringLiteral("/dev/shm/wayfolder-test-XXXXXX")};
    fs::path src = fs::path(local.path().toStdString()) / "src";
    fs::path dest = fs::path(local.path().toStdString()) / "dest";
    fs::path away = fs::path(other.path().toStdString()) / "dest";

    Folders()
    {
        for (const fs::path& folder : {src / "dir", dest / "dir", away / "dir"})
            fs::create_directories(folder);
        write(src / "a.txt", "A");
        write(src / "dir/inner.txt", "I");
        fs::create_symlink("inner.txt", src / "dir/link");
        write(src / Raw, "R");
        for (const fs::path& target : {dest, away}) {
            write(target / "a.txt", "old");
            write(target / "dir/inner.txt", "oldI");
            write(target / "dir/other", "O");
        }
    }
    // Raw names make QTemporaryDir's own removal stop short.
    ~Folders()
    {
        fs::remove_all(local.path().toStdString());
        fs::remove_all(other.path().toStdString());
    }
    Folders(const Folders&) = delete;
    Folders& operator=(const Folders&) = delete;

    static void write(const fs::path& path, const std::string& bytes) { std::ofstream(path) << bytes; }
    static QString q(const fs::path& path) { return FileNameFromBytes(path.native()); }

    /// Every entry below `root`, sorted: "dir/", "name=content" (or "=#size"), "link->target".
    static std::string tree(const fs::path& root)
    {
        std::vector<std::string> lines;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            const std::string name = entry.path().lexically_relative(root).native();
            if (entry.is_symlink())
                lines.push_back(name + "->" + fs::read_symlink(entry.path()).native());
            else if (entry.is_directory())
                lines.push_back(name + "/");
            else {
                std::ifstream in(entry.path());
                const std::string bytes(std::istreambuf_iterator<char>(in), {});
                lines.push_back(name + "=" + (bytes.size() > 8 ? "#" + std::to_string(bytes.size()) : bytes));
            }
        }
        std::sort(lines.begin(), lines.end());
        std::string text;
        for (const std::string& line : lines)
            text += (text.empty() ? "" : " ") + line;
        return text;
    }
};

constexpr char DestBefore[] = "a.txt=old dir/ dir/inner.txt=oldI dir/other=O";
constexpr char SrcAll[] = "a.txt=A dir/ dir/inner.txt=I dir/link->inner.txt raw\xff.bin=R";

} // namespace

TEST(FileCopy, CopiesAndMovesWithEachAnswerOnOneVolumeAndAcross)
{
    struct Row
    {
        bool move;
        bool across;
        std::vector<std::string> sources;
        Answer answer;
        int files;     // what the plan counts for the progress line
        int conflicts; // names the plan finds taken
        int done;      // files placed: a merged folder counts what it held
        const char* dest;
        const char* src;
    };
    // clang-format off
    const Row rows[] = {
        {false, false, {"a.txt"}, Answer::KeepBoth, 1, 1, 1, "a (2).txt=A a.txt=old dir/ dir/inner.txt=oldI dir/other=O", SrcAll},
        {false, false, {"a.txt"}, Answer::Replace, 1, 1, 1, "a.txt=A dir/ dir/inner.txt=oldI dir/other=O", SrcAll},
        {false, false, {"a.txt", "dir"}, Answer::Skip, 3, 2, 0, DestBefore, SrcAll},
        {false, false, {"dir"}, Answer::Replace, 2, 1, 2, "a.txt=old dir/ dir/inner.txt=I dir/link->inner.txt dir/other=O", SrcAll},
        {false, false, {"dir", Raw}, Answer::KeepBoth, 3, 1, 3, "a.txt=old dir (2)/ dir (2)/inner.txt=I dir (2)/link->inner.txt dir/ dir/inner.txt=oldI dir/other=O raw\xff.bin=R", SrcAll},
        {true, false, {"a.txt", Raw}, Answer::Replace, 2, 1, 2, "a.txt=A dir/ dir/inner.txt=oldI dir/other=O raw\xff.bin=R", "dir/ dir/inner.txt=I dir/link->inner.txt"},
        {true, false, {"dir"}, Answer::KeepBoth, 1, 1, 1, "a.txt=old dir (2)/ dir (2)/inner.txt=I dir (2)/link->inner.txt dir/ dir/inner.txt=oldI dir/other=O", "a.txt=A raw\xff.bin=R"},
        {true, false, {"a.txt", "dir"}, Answer::Replace, 2, 2, 3, "a.txt=A dir/ dir/inner.txt=I dir/link->inner.txt dir/other=O", "raw\xff.bin=R"},
        {true, true, {"dir", Raw}, Answer::KeepBoth, 3, 1, 3, "a.txt=old dir (2)/ dir (2)/inner.txt=I dir (2)/link->inner.txt dir/ dir/inner.txt=oldI dir/other=O raw\xff.bin=R", "a.txt=A"},
        {true, true, {"dir"}, Answer::Replace, 2, 1, 2, "a.txt=old dir/ dir/inner.txt=I dir/link->inner.txt dir/other=O", "a.txt=A raw\xff.bin=R"},
        {true, true, {"a.txt"}, Answer::Skip, 1, 1, 0, DestBefore, SrcAll},
    };
    // clang-format on
    for (size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        SCOPED_TRACE(i);
        const Folders folders;
        const fs::path& target = row.across ? folders.away : folders.dest;
        QStringList sources;
        std::map<QString, Answer> answers;
        for (const std::string& name : row.sources) {
            sources << Folders::q(folders.src / name);
            answers[sources.back()] = row.answer;
        }
        struct stat before = {};
        ::lstat((folders.src / row.sources.front()).c_str(), &before);

        const FileCopy::Plan plan = FileCopy::MakePlan(sources, Folders::q(target), row.move);
        EXPECT_EQ(plan.files, row.files);
        EXPECT_EQ(plan.conflicts.size(), row.conflicts);
        EXPECT_TRUE(plan.intoItself.isEmpty());

        FileCopy::Progress progress;
        const FileCopy::Outcome outcome =
            FileCopy::Run(sources, Folders::q(target), row.move, answers, progress);
        EXPECT_EQ(outcome.error, 0) << outcome.failedPath.toStdString();
        EXPECT_EQ(progress.done.load(), row.done);
        EXPECT_EQ(Folders::tree(target), row.dest);
        EXPECT_EQ(Folders::tree(folders.src), row.src);
        // A move on one volume is a rename: the very file arrives, not a copy of it.
        if (row.move && !row.across && !outcome.placed.isEmpty()) {
            struct stat after = {};
            ::lstat(FileNameToBytes(Folders::q(target) + '/' + outcome.placed.front()).constData(), &after);
            EXPECT_EQ(after.st_ino, before.st_ino);
        }
    }
}

TEST(FileCopy, OntoItsOwnFolderKeepsBothAndNeverIntoItself)
{
    const Folders folders;
    const QString src = Folders::q(folders.src);
    const QString file = Folders::q(folders.src / "a.txt");
    const QString dir = Folders::q(folders.src / "dir");
    FileCopy::Progress progress;
    struct Row
    {
        QString source;
        QString target;
        bool move;
        int error;
        QString placed;
    };
    // clang-format off
    const Row rows[] = {
        {file, src, false, 0, QStringLiteral("a (2).txt")},
        {file, src, false, 0, QStringLiteral("a (3).txt")},
        {Folders::q(folders.src / "a (2).txt"), src, false, 0, QStringLiteral("a (4).txt")},
        {file, src, true, 0, QString()},
        {dir, src, false, 0, QStringLiteral("dir (2)")},
        {dir, dir, false, EINVAL, QString()},
        {dir, dir, true, EINVAL, QString()},
        {src, Folders::q(folders.src / "dir (2)"), true, EINVAL, QString()},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.placed.toStdString() + " from " + row.source.toStdString());
        const FileCopy::Plan plan = FileCopy::MakePlan({row.source}, row.target, row.move);
        EXPECT_EQ(plan.intoItself.isEmpty(), row.error == 0);
        EXPECT_TRUE(plan.conflicts.isEmpty());
        const FileCopy::Outcome outcome = FileCopy::Run({row.source}, row.target, row.move, {}, progress);
        EXPECT_EQ(outcome.error, row.error);
        EXPECT_EQ(outcome.placed, row.placed.isEmpty() ? QStringList() : QStringList{row.placed});
    }
    EXPECT_EQ(
        Folders::tree(folders.src),
        "a (2).txt=A a (3).txt=A a (4).txt=A a.txt=A dir (2)/ dir (2)/inner.txt=I dir (2)/link->inner.txt "
        "dir/ dir/inner.txt=I dir/link->inner.txt raw\xff.bin=R");
}

TEST(FileCopy, CancelOrFullDiskLeavesNothingPartialAndKeepsTheSource)
{
    struct Row
    {
        bool move;
        bool across;
        bool cancel;      // once the first block of the big file is written
        rlim_t fileLimit; // 0: none
        int error;
        const char* dest; // besides what was there before
    };
    // clang-format off
    const Row rows[] = {
        {false, false, true, 0, 0, "a.txt=A"},
        {true, true, true, 0, 0, "a.txt=A"},
        {false, false, false, 1 << 20, EFBIG, "a.txt=A"},
        {true, true, false, 1 << 20, EFBIG, "a.txt=A"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.move) + std::to_string(row.cancel));
        const Folders folders;
        const fs::path target = (row.across ? folders.away : folders.dest) / "new";
        fs::create_directory(target);
        const std::string big(3 << 20, 'b');
        Folders::write(folders.src / "dir/big", big);
        FileCopy::Progress progress;
        if (row.cancel)
            progress.step = [&] {
                for (const auto& entry : fs::recursive_directory_iterator(target))
                    if (entry.is_regular_file() && entry.file_size() == 1 << 20)
                        progress.cancel = true;
            };
        const QStringList sources{Folders::q(folders.src / "a.txt"), Folders::q(folders.src / "dir"),
                                  Folders::q(folders.src / Raw)};
        FileCopy::Outcome outcome;
        {
            const FileSizeLimit limit(row.fileLimit ? row.fileLimit : RLIM_INFINITY);
            outcome = FileCopy::Run(sources, Folders::q(target), row.move, {}, progress);
        }
        EXPECT_EQ(outcome.cancelled, row.cancel);
        EXPECT_EQ(outcome.error, row.error);
        EXPECT_EQ(FileCopy::IsFullDisk(outcome.error), row.fileLimit != 0);
        EXPECT_EQ(outcome.failedPath, row.error ? Folders::q(folders.src / "dir/big") : QString());
        EXPECT_EQ(Folders::tree(target), row.dest);
        // Only the file that arrived whole left its old place.
        EXPECT_EQ(Folders::tree(folders.src),
                  std::string(row.move ? "" : "a.txt=A ") +
                      "dir/ dir/big=#3145728 dir/inner.txt=I dir/link->inner.txt raw\xff.bin=R");
    }
}

TEST(FileCopy, NumberedNamesCountOnAndKeepTheExtension)
{
    struct Row
    {
        const char* name;
        int number;
        bool folder;
        const char* numbered;
    };
    // clang-format off
    const Row rows[] = {
        {"a.txt", 2, false, "a (2).txt"},
        {"a (2).txt", 3, false, "a (3).txt"},
        {"notes", 2, false, "notes (2)"},
        {".profile", 2, false, ".profile (2)"},
        {"v1.0", 2, true, "v1.0 (2)"},
        {"a (x).txt", 2, false, "a (x) (2).txt"},
    };
    // clang-format on
    for (const Row& row : rows)
        EXPECT_EQ(FileCopy::NumberedName(QString::fromUtf8(row.name), row.number, row.folder),
                  QString::fromUtf8(row.numbered));
}
