// slowfs: a FUSE mirror of a folder whose every operation waits a delay, and can hang, to stand in
// for a slow or dead network share (NFS, SMB, sshfs) in tests.
//
//   slowfs SOURCE MOUNTPOINT [--delay-ms N] [--control FILE] [--debug]
//
// Runs in the foreground until unmounted (fusermount3 -u [-z] MOUNTPOINT) or signalled
// (SIGTERM, SIGINT); a killed daemon's mount is removed by fusermount3's auto_unmount.
//
// Control: FILE (outside the mount) holds the state, read when each operation starts, so a change
// written with an atomic rename applies to every operation that starts after the rename returns,
// with no round trip to the daemon; a hung operation rereads it every 20 ms. Its words: a number
// sets the delay in milliseconds; "hang" makes every operation block, as with a server that never
// answers, until the file no longer says "hang". An empty file keeps the last state (a shell's
// "echo 5 > FILE" truncates first). By hand:
//   echo 200 > FILE     every operation waits 200 ms
//   echo hang > FILE    every operation blocks
//   echo 200 > FILE     answer again
// At start the daemon writes --delay-ms into FILE, so a stale "hang" never carries over.
//
// The delay is per request from the kernel, not per directory entry: a listing is served in
// batches as the kernel asks, with the source directory's own positions as offsets. Nothing is
// cached by the kernel (zero entry and attribute timeouts), so every stat reaches the "server".

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

struct Slowfs
{
    int source = -1; // the mirrored folder, every path is resolved below it
    std::string control;
    std::atomic<int> delayMs{0};
    std::atomic<bool> hung{false};
};

Slowfs& fs()
{
    return *static_cast<Slowfs*>(fuse_get_context()->private_data);
}

// A path from the mount's root, as the *at() calls take it below the source folder.
const char* rel(const char* path)
{
    return path[1] == '\0' ? "." : path + 1;
}

int fail()
{
    return -errno;
}

// Rereads the control file into the shared state; keeps the last state when it says nothing.
void readControl(Slowfs& s)
{
    if (s.control.empty())
        return;
    std::ifstream in(s.control);
    std::string word;
    bool any = false, hang = false;
    int delay = s.delayMs;
    while (in >> word) {
        any = true;
        char* end = nullptr;
        const long ms = std::strtol(word.c_str(), &end, 10);
        if (word == "hang")
            hang = true;
        else if (end != word.c_str() && *end == '\0')
            delay = int(ms);
    }
    if (!any)
        return;
    s.delayMs = delay;
    s.hung = hang;
}

bool exiting()
{
    return fuse_session_exited(fuse_get_session(fuse_get_context()->fuse)) != 0;
}

// Blocks while the control file says "hang"; false when the daemon is ending meanwhile.
bool waitWhileHung(Slowfs& s)
{
    for (readControl(s); s.hung; readControl(s)) {
        if (exiting())
            return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// What every operation does first: wait out a hang, then the delay, then any hang set meanwhile
// (a server that dies while it works on a request never answers it).
int gate()
{
    Slowfs& s = fs();
    if (!waitWhileHung(s))
        return -EIO;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(s.delayMs.load());
    while (std::chrono::steady_clock::now() < until) {
        if (exiting())
            return -EIO;
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(until - std::chrono::steady_clock::now(), 50ms));
    }
    return waitWhileHung(s) ? 0 : -EIO;
}

struct Dir
{
    DIR* dir = nullptr;
    off_t offset = 0;
    dirent* pending = nullptr; // read from the source but not taken by the kernel's last buffer
};

Dir* dirOf(fuse_file_info* fi)
{
    // libfuse keeps an open folder's handle as a number.
    return reinterpret_cast<Dir*>(fi->fh); // NOLINT(performance-no-int-to-ptr)
}

// The operations, under the names the kernel and libfuse give them.
namespace op {

void* init(fuse_conn_info* conn, fuse_config* cfg)
{
    // Plain readdir: names only, as a listing asks; attributes come from getattr, each delayed.
    conn->want &= ~FUSE_CAP_READDIRPLUS;
    cfg->entry_timeout = 0;
    cfg->attr_timeout = 0;
    cfg->negative_timeout = 0;
    cfg->use_ino = 1;
    // Unlink removes at once, with no .fuse_hidden file showing up in listings.
    cfg->hard_remove = 1;
    return fuse_get_context()->private_data;
}

int getattr(const char* path, struct stat* st, fuse_file_info* fi)
{
    if (const int gated = gate())
        return gated;
    const int r =
        fi != nullptr ? fstat(int(fi->fh), st) : fstatat(fs().source, rel(path), st, AT_SYMLINK_NOFOLLOW);
    return r == 0 ? 0 : fail();
}

int access(const char* path, int mask)
{
    if (const int gated = gate())
        return gated;
    return faccessat(fs().source, rel(path), mask, 0) == 0 ? 0 : fail();
}

int readlink(const char* path, char* buf, size_t size)
{
    if (const int gated = gate())
        return gated;
    const ssize_t n = readlinkat(fs().source, rel(path), buf, size - 1);
    if (n < 0)
        return fail();
    buf[n] = '\0';
    return 0;
}

int opendir(const char* path, fuse_file_info* fi)
{
    if (const int gated = gate())
        return gated;
    const int fd = openat(fs().source, rel(path), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return fail();
    DIR* dir = fdopendir(fd);
    if (dir == nullptr) {
        const int e = errno;
        close(fd);
        return -e;
    }
    fi->fh = reinterpret_cast<uint64_t>(new Dir{dir});
    return 0;
}

int readdir(const char*, void* buf, fuse_fill_dir_t fill, off_t offset, fuse_file_info* fi,
            fuse_readdir_flags)
{
    if (const int gated = gate())
        return gated;
    Dir* d = dirOf(fi);
    if (offset != d->offset) {
        seekdir(d->dir, offset);
        d->pending = nullptr;
        d->offset = offset;
    }
    for (;;) {
        if (d->pending == nullptr) {
            errno = 0;
            d->pending = ::readdir(d->dir);
            if (d->pending == nullptr)
                return errno == 0 ? 0 : fail();
        }
        struct stat st = {};
        st.st_ino = d->pending->d_ino;
        st.st_mode = mode_t(d->pending->d_type) << 12;
        const off_t next = telldir(d->dir);
        if (fill(buf, d->pending->d_name, &st, next, fuse_fill_dir_flags(0)) != 0)
            return 0; // the kernel's buffer is full: the rest goes in its next request
        d->pending = nullptr;
        d->offset = next;
    }
}

int releasedir(const char*, fuse_file_info* fi)
{
    if (const int gated = gate())
        return gated;
    Dir* d = dirOf(fi);
    closedir(d->dir);
    delete d;
    return 0;
}

int open(const char* path, fuse_file_info* fi)
{
    if (const int gated = gate())
        return gated;
    const int fd = openat(fs().source, rel(path), fi->flags);
    if (fd < 0)
        return fail();
    fi->fh = uint64_t(fd);
    return 0;
}

int create(const char* path, mode_t mode, fuse_file_info* fi)
{
    if (const int gated = gate())
        return gated;
    const int fd = openat(fs().source, rel(path), fi->flags | O_CREAT, mode);
    if (fd < 0)
        return fail();
    fi->fh = uint64_t(fd);
    return 0;
}

int read(const char*, char* buf, size_t size, off_t offset, fuse_file_info* fi)
{
    if (const int gated = gate())
        return gated;
    const ssize_t n = pread(int(fi->fh), buf, size, offset);
    return n < 0 ? fail() : int(n);
}

int write(const char*, const char* buf, size_t size, off_t offset, fuse_file_info* fi)
{
    if (const int gated = gate())
        return gated;
    const ssize_t n = pwrite(int(fi->fh), buf, size, offset);
    return n < 0 ? fail() : int(n);
}

int release(const char*, fuse_file_info* fi)
{
    if (const int gated = gate())
        return gated;
    close(int(fi->fh));
    return 0;
}

int fsync(const char*, int dataOnly, fuse_file_info* fi)
{
    if (const int gated = gate())
        return gated;
    const int r = dataOnly != 0 ? fdatasync(int(fi->fh)) : ::fsync(int(fi->fh));
    return r == 0 ? 0 : fail();
}

int statfs(const char*, struct statvfs* st)
{
    if (const int gated = gate())
        return gated;
    return fstatvfs(fs().source, st) == 0 ? 0 : fail();
}

int mkdir(const char* path, mode_t mode)
{
    if (const int gated = gate())
        return gated;
    return mkdirat(fs().source, rel(path), mode) == 0 ? 0 : fail();
}

int unlink(const char* path)
{
    if (const int gated = gate())
        return gated;
    return unlinkat(fs().source, rel(path), 0) == 0 ? 0 : fail();
}

int rmdir(const char* path)
{
    if (const int gated = gate())
        return gated;
    return unlinkat(fs().source, rel(path), AT_REMOVEDIR) == 0 ? 0 : fail();
}

int rename(const char* from, const char* to, unsigned int flags)
{
    if (const int gated = gate())
        return gated;
    return renameat2(fs().source, rel(from), fs().source, rel(to), flags) == 0 ? 0 : fail();
}

int truncate(const char* path, off_t size, fuse_file_info* fi)
{
    if (const int gated = gate())
        return gated;
    if (fi != nullptr)
        return ftruncate(int(fi->fh), size) == 0 ? 0 : fail();
    const int fd = openat(fs().source, rel(path), O_WRONLY);
    if (fd < 0)
        return fail();
    const int r = ftruncate(fd, size) == 0 ? 0 : fail();
    close(fd);
    return r;
}

int utimens(const char* path, const timespec times[2], fuse_file_info* fi)
{
    if (const int gated = gate())
        return gated;
    const int r = fi != nullptr ? futimens(int(fi->fh), times)
                                : utimensat(fs().source, rel(path), times, AT_SYMLINK_NOFOLLOW);
    return r == 0 ? 0 : fail();
}

// A copy keeps the file's permissions: without chmod it would fail at its last step.
int chmod(const char* path, mode_t mode, fuse_file_info* fi)
{
    if (const int gated = gate())
        return gated;
    const int r = fi != nullptr ? fchmod(int(fi->fh), mode) : fchmodat(fs().source, rel(path), mode, 0);
    return r == 0 ? 0 : fail();
}

} // namespace op

// Writes the control file by rename, so that no operation reads it half written.
bool writeControl(const std::string& file, int delayMs)
{
    const std::string temp = file + ".new";
    std::ofstream(temp) << delayMs << '\n';
    return std::rename(temp.c_str(), file.c_str()) == 0;
}

int usage(const char* why)
{
    std::fprintf(stderr,
                 "slowfs: %s\nusage: slowfs SOURCE MOUNTPOINT [--delay-ms N] [--control FILE] [--debug]\n",
                 why);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    Slowfs s;
    std::vector<std::string> places;
    bool debug = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--delay-ms" && i + 1 < argc)
            s.delayMs = std::atoi(argv[++i]);
        else if (arg == "--control" && i + 1 < argc)
            s.control = argv[++i];
        else if (arg == "--debug")
            debug = true;
        else if (arg.starts_with("-"))
            return usage(("unknown option " + arg).c_str());
        else
            places.push_back(arg);
    }
    if (places.size() != 2)
        return usage("needs a source folder and a mount point");
    s.source = ::open(places[0].c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (s.source < 0)
        return usage(("cannot open the source folder " + places[0] + ": " + std::strerror(errno)).c_str());
    if (!s.control.empty() && !writeControl(s.control, s.delayMs))
        return usage(("cannot write the control file " + s.control + ": " + std::strerror(errno)).c_str());

    fuse_operations ops = {};
    ops.init = op::init;
    ops.getattr = op::getattr;
    ops.access = op::access;
    ops.readlink = op::readlink;
    ops.opendir = op::opendir;
    ops.readdir = op::readdir;
    ops.releasedir = op::releasedir;
    ops.open = op::open;
    ops.create = op::create;
    ops.read = op::read;
    ops.write = op::write;
    ops.release = op::release;
    ops.fsync = op::fsync;
    ops.statfs = op::statfs;
    ops.mkdir = op::mkdir;
    ops.unlink = op::unlink;
    ops.rmdir = op::rmdir;
    ops.rename = op::rename;
    ops.truncate = op::truncate;
    ops.utimens = op::utimens;
    ops.chmod = op::chmod;

    // Foreground, so the caller's process id is the daemon's; auto_unmount has fusermount3 remove
    // the mount when the daemon dies, even by SIGKILL. max_idle_threads is spelled out because
    // libfuse 3.14 warns when it is left unset.
    std::string options = "fsname=slowfs,subtype=slowfs,auto_unmount,max_idle_threads=10";
    std::vector<const char*> args = {argv[0], "-f", "-o", options.c_str(), places[1].c_str()};
    if (debug)
        args.push_back("-d");
    return fuse_main(int(args.size()), const_cast<char**>(args.data()), &ops, &s);
}
