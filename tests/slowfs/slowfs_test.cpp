// The slow-share stand-in itself: every call through the mount waits the delay and reaches the
// source folder, a hang blocks callers until release, and a hung mount still unmounts cleanly.
// A machine without FUSE fails these, with the reason.

#include "slowmount.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

// A source folder with a file, an empty folder and a folder of `many` names; removed afterwards.
struct Source
{
    explicit Source(int many = 0)
    {
        std::string pattern = (fs::temp_directory_path() / "slowfs-source-XXXXXX").string();
        path = mkdtemp(pattern.data());
        std::ofstream(path + "/a.txt") << "hello";
        fs::create_directories(path + "/sub");
        fs::create_directories(path + "/many");
        for (int i = 0; i < many; ++i)
            std::ofstream(path + "/many/" + std::to_string(i));
    }
    ~Source() { fs::remove_all(path); }
    std::string path;
};

std::string readFile(const std::string& file)
{
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::set<std::string> names(const std::string& folder)
{
    std::set<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder))
        found.insert(entry.path().filename().string());
    return found;
}

bool inMountTable(const std::string& point)
{
    return readFile("/proc/self/mountinfo").find(" " + point + " ") != std::string::npos;
}

int statResult(const std::string& path)
{
    struct stat st = {};
    return ::stat(path.c_str(), &st) == 0 ? 0 : errno;
}

TEST(Slowfs, EachCallWaitsTheDelayAndReachesTheSource)
{
    Source src(5000);
    SlowMount mount(src.path, 100);
    ASSERT_TRUE(mount.ok()) << mount.error();
    const std::string m = mount.mountPoint(), s = src.path;
    // A limit of 0 sets no upper bound on the time taken.
    // clang-format off
    struct Row { int delayMs; const char* what; std::function<bool()> call; int withinMs; };
    const Row rows[] = {
        {100, "stat", [&] { struct stat st = {}; return ::stat((m + "/a.txt").c_str(), &st) == 0 && st.st_size == 5; }, 0},
        {100, "list", [&] { return names(m) == std::set<std::string>{"a.txt", "many", "sub"}; }, 0},
        {100, "read", [&] { return readFile(m + "/a.txt") == "hello"; }, 0},
        {100, "write", [&] { std::ofstream(m + "/b.txt") << "new"; return readFile(s + "/b.txt") == "new"; }, 0},
        {100, "mkdir", [&] { return ::mkdir((m + "/sub/d").c_str(), 0755) == 0 && fs::is_directory(s + "/sub/d"); }, 0},
        {100, "rename", [&] { return std::rename((m + "/b.txt").c_str(), (m + "/sub/c.txt").c_str()) == 0 && fs::exists(s + "/sub/c.txt"); }, 0},
        {100, "unlink, rmdir", [&] { return ::unlink((m + "/sub/c.txt").c_str()) == 0 && ::rmdir((m + "/sub/d").c_str()) == 0 && fs::is_empty(s + "/sub"); }, 0},
        {100, "statfs", [&] { struct statvfs a = {}, b = {}; return statvfs(m.c_str(), &a) == 0 && statvfs(s.c_str(), &b) == 0 && a.f_blocks == b.f_blocks; }, 0},
        {300, "a longer delay, at once", [&] { return statResult(m + "/a.txt") == 0; }, 0},
        {0, "no delay, at once", [&] { return statResult(m + "/a.txt") == 0; }, 250},
        // One delay per name would take 500 s.
        {100, "5,000 names, listed in batches", [&] { return names(m + "/many").size() == 5000; }, 10000},
    };
    // clang-format on
    for (const Row& row : rows) {
        ASSERT_TRUE(mount.setDelay(row.delayMs)) << row.what;
        const auto start = Clock::now();
        EXPECT_TRUE(row.call()) << row.what;
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        EXPECT_GE(took, row.delayMs) << row.what;
        if (row.withinMs > 0) {
            EXPECT_LT(took, row.withinMs) << row.what;
        }
    }
}

TEST(Slowfs, HangBlocksCallsUntilReleaseAndAHungMountStillUnmounts)
{
    Source src;
    std::future<int> released, unmounted; // before the mount: its end releases them before this waits
    SlowMount mount(src.path);
    ASSERT_TRUE(mount.ok()) << mount.error();
    const std::string point = mount.mountPoint();
    ASSERT_TRUE(inMountTable(point));
    ASSERT_TRUE(mount.hang());
    released = std::async(std::launch::async, statResult, point + "/a.txt");
    EXPECT_EQ(released.wait_for(500ms), std::future_status::timeout) << "a stat answered while hung";
    ASSERT_TRUE(mount.release());
    ASSERT_EQ(released.wait_for(5s), std::future_status::ready) << "a stat still blocked after release";
    EXPECT_EQ(released.get(), 0);

    ASSERT_TRUE(mount.hang());
    unmounted = std::async(std::launch::async, statResult, point + "/a.txt");
    ASSERT_EQ(unmounted.wait_for(200ms), std::future_status::timeout);
    EXPECT_TRUE(mount.unmount()) << mount.error();
    EXPECT_FALSE(inMountTable(point));
    // The blocked caller gets an error rather than waiting forever.
    ASSERT_EQ(unmounted.wait_for(5s), std::future_status::ready);
    EXPECT_NE(unmounted.get(), 0);
}

} // namespace
