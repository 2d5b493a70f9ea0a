// slowfs: a FUSE mirror of a folder whose every operation waits a delay, and can hang, to stand in
// for a slow or dead network share (NFS, SMB, sshfs) in tests.
//
//   slowfs SOURCE MOUNTPOINT [--delay-ms N] [--control FILE] [--debug]
//
// Runs in the foreground until unmounted (fusermount3 -u [-z]) or signalled; fusermount3's
// auto_unmount removes the mount of a killed daemon. FILE (outside the mount) is read as each
// operation starts, and every 20 ms while one hangs: a number sets the delay in milliseconds,
// "hang" blocks every operation until the file no longer says so, and an empty file keeps the
// last state. Write it by rename for the change to apply to the next operation; by hand,
// "echo hang > FILE" and "echo 0 > FILE". At start the daemon writes --delay-ms into it.
//
// The delay is per request from the kernel, not per name: a listing comes in batches as the
// kernel asks. Nothing is cached (zero entry and attribute timeouts), so every stat reaches the
// "server". Only what the tests do is mirrored: stat, list, read, write, create, mkdir, rename,
// remove and statfs.

#define FUSE_USE_VERSION 31

#include <fuse.h>
#include <fuse_lowlevel.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

int g_source = -1; // the mirrored folder; every path is resolved below it
std::string g_control;
std::atomic<int> g_delayMs{0}; // what the control file said last
std::atomic<bool> g_hung{false};

// Rereads the control file; keeps the last state when it says nothing.
void readControl()
{
    std::ifstream in(g_control);
    std::string word;
    bool any = false, hang = false;
    int delay = g_delayMs;
    while (in >> word) {
        any = true;
        char* end = nullptr;
        const long ms = std::strtol(word.c_str(), &end, 10);
        if (word == "hang")
            hang = true;
        else if (end != word.c_str() && *end == '\0')
            delay = int(ms);
    }
    if (any) {
        g_delayMs = delay;
        g_hung = hang;
    }
}

bool exiting()
{
    return fuse_session_exited(fuse_get_session(fuse_get_context()->fuse)) != 0;
}

// Blocks while the control file says "hang"; false when the daemon is ending meanwhile.
bool waitWhileHung()
{
    for (readControl(); g_hung; readControl()) {
        if (exiting())
            return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// What every operation does first: wait out a hang, then the delay, then any hang set meanwhile
// (a server that dies while it works on a request never answers it); 0 or an error.
int gate()
{
    if (!waitWhileHung())
        return -EIO;
    const auto until = Clock::now() + std::chrono::milliseconds(g_delayMs.load());
    for (auto now = Clock::now(); now < until; now = Clock::now()) {
        if (exiting())
            return -EIO;
        std::this_thread::sleep_for(std::min<Clock::duration>(until - now, 50ms));
    }
    return waitWhileHung() ? 0 : -EIO;
}

// Runs `call` after the gate; a negative result is the call's errno.
template <class Call> int gated(Call call)
{
    if (const int gated = gate())
        return gated;
    const long r = call();
    return r < 0 ? -errno : int(r);
}

// A path from the mount's root, as the *at() calls take it below the source folder.
const char* rel(const char* path)
{
    return path[1] == '\0' ? "." : path + 1;
}

// An open folder: the source's stream, and the entry the kernel's last buffer had no room for.
struct Dir
{
    DIR* dir = nullptr;
    off_t offset = 0;
    dirent* pending = nullptr;
};

Dir* dirOf(fuse_file_info* fi)
{
    return reinterpret_cast<Dir*>(fi->fh); // NOLINT(performance-no-int-to-ptr)
}

// Fills the kernel's buffer from the source folder, its own positions as offsets.
long readdir(void* buf, fuse_fill_dir_t fill, off_t offset, fuse_file_info* fi)
{
    Dir* d = dirOf(fi);
    if (offset != d->offset) {
        seekdir(d->dir, offset);
        d->pending = nullptr;
        d->offset = offset;
    }
    for (;; d->pending = nullptr) {
        errno = 0;
        if (d->pending == nullptr && (d->pending = ::readdir(d->dir)) == nullptr)
            return errno == 0 ? 0 : -1;
        struct stat st = {};
        st.st_ino = d->pending->d_ino;
        st.st_mode = mode_t(d->pending->d_type) << 12;
        const off_t next = telldir(d->dir);
        if (fill(buf, d->pending->d_name, &st, next, fuse_fill_dir_flags(0)) != 0)
            return 0; // the buffer is full: the rest goes in the kernel's next request
        d->offset = next;
    }
}

fuse_operations operations()
{
    fuse_operations ops = {};
    ops.init = [](fuse_conn_info* conn, fuse_config* cfg) -> void* {
        // Names only, as a listing asks; attributes come from getattr, each delayed.
        conn->want &= ~FUSE_CAP_READDIRPLUS;
        cfg->entry_timeout = cfg->attr_timeout = cfg->negative_timeout = 0;
        cfg->use_ino = 1;
        cfg->hard_remove = 1; // no .fuse_hidden file shows up in listings
        return nullptr;
    };
    // clang-format off
    ops.getattr = [](const char* p, struct stat* st, fuse_file_info* fi) { return gated([&] { return fi ? fstat(int(fi->fh), st) : fstatat(g_source, rel(p), st, AT_SYMLINK_NOFOLLOW); }); };
    ops.opendir = [](const char* p, fuse_file_info* fi) { return gated([&] { const int fd = openat(g_source, rel(p), O_RDONLY | O_DIRECTORY); DIR* d = fd < 0 ? nullptr : fdopendir(fd); fi->fh = reinterpret_cast<uint64_t>(d ? new Dir{d} : nullptr); return d ? 0 : -1; }); };
    ops.readdir = [](const char*, void* buf, fuse_fill_dir_t fill, off_t offset, fuse_file_info* fi, fuse_readdir_flags) { return gated([&] { return readdir(buf, fill, offset, fi); }); };
    ops.releasedir = [](const char*, fuse_file_info* fi) { return gated([&] { closedir(dirOf(fi)->dir); delete dirOf(fi); return 0; }); };
    ops.open = [](const char* p, fuse_file_info* fi) { return gated([&] { const int fd = openat(g_source, rel(p), fi->flags); fi->fh = uint64_t(fd); return fd < 0 ? -1 : 0; }); };
    ops.create = [](const char* p, mode_t mode, fuse_file_info* fi) { return gated([&] { const int fd = openat(g_source, rel(p), fi->flags | O_CREAT, mode); fi->fh = uint64_t(fd); return fd < 0 ? -1 : 0; }); };
    ops.read = [](const char*, char* buf, size_t size, off_t offset, fuse_file_info* fi) { return gated([&] { return pread(int(fi->fh), buf, size, offset); }); };
    ops.write = [](const char*, const char* buf, size_t size, off_t offset, fuse_file_info* fi) { return gated([&] { return pwrite(int(fi->fh), buf, size, offset); }); };
    ops.release = [](const char*, fuse_file_info* fi) { return gated([&] { return close(int(fi->fh)); }); };
    ops.statfs = [](const char*, struct statvfs* st) { return gated([&] { return fstatvfs(g_source, st); }); };
    ops.mkdir = [](const char* p, mode_t mode) { return gated([&] { return mkdirat(g_source, rel(p), mode); }); };
    ops.unlink = [](const char* p) { return gated([&] { return unlinkat(g_source, rel(p), 0); }); };
    ops.rmdir = [](const char* p) { return gated([&] { return unlinkat(g_source, rel(p), AT_REMOVEDIR); }); };
    ops.rename = [](const char* from, const char* to, unsigned flags) { return gated([&] { return renameat2(g_source, rel(from), g_source, rel(to), flags); }); };
    // clang-format on
    return ops;
}

int usage(const std::string& why)
{
    std::fprintf(stderr,
                 "slowfs: %s\nusage: slowfs SOURCE MOUNTPOINT [--delay-ms N] [--control FILE] [--debug]\n",
                 why.c_str());
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> places;
    bool debug = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--delay-ms" && i + 1 < argc)
            g_delayMs = std::atoi(argv[++i]);
        else if (arg == "--control" && i + 1 < argc)
            g_control = argv[++i];
        else if (arg == "--debug")
            debug = true;
        else if (arg.starts_with("-"))
            return usage("unknown option " + arg);
        else
            places.push_back(arg);
    }
    if (places.size() != 2)
        return usage("needs a source folder and a mount point");
    if ((g_source = ::open(places[0].c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) < 0)
        return usage("cannot open the source folder " + places[0] + ": " + std::strerror(errno));
    // Written beside and renamed over, so that no operation reads it half written.
    if (!g_control.empty() && (!(std::ofstream(g_control + ".new") << g_delayMs << '\n') ||
                               std::rename((g_control + ".new").c_str(), g_control.c_str()) != 0))
        return usage("cannot write the control file " + g_control + ": " + std::strerror(errno));

    // Foreground, so the caller's process id is the daemon's; auto_unmount has fusermount3 remove
    // the mount when the daemon dies, even by SIGKILL. max_idle_threads is spelled out because
    // libfuse 3.14 warns when it is left unset.
    std::vector<const char*> args = {argv[0], "-f", "-o",
                                     "fsname=slowfs,subtype=slowfs,auto_unmount,max_idle_threads=10",
                                     places[1].c_str()};
    if (debug)
        args.push_back("-d");
    const fuse_operations ops = operations();
    return fuse_main(int(args.size()), const_cast<char**>(args.data()), &ops, nullptr);
}
