// SlowMount: starts slowfs over a folder for a test, steers it through its control file and
// tears it down, waiting on the mount table and the daemon's process with deadlines.

#include "slowmount.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto mountDeadline = std::chrono::seconds(10);
constexpr auto exitDeadline = std::chrono::seconds(5);

int msLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? int(left) : 0;
}

std::string readAll(const std::string& file)
{
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The mount table's escapes (\040 for a space, ...) undone.
std::string unescape(const std::string& field)
{
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            out += char(std::strtol(field.substr(i + 1, 3).c_str(), nullptr, 8));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

// Whether the mount table read from `fd` (/proc/self/mountinfo) has a slowfs mount on `mountPoint`.
bool listed(int fd, const std::string& mountPoint)
{
    std::string table;
    char buf[65536];
    lseek(fd, 0, SEEK_SET);
    for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;)
        table.append(buf, size_t(n));
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::string id, parent, device, root, point, word;
        fields >> id >> parent >> device >> root >> point;
        while (fields >> word && word != "-") {
        }
        fields >> word;
        if (word == "fuse.slowfs" && unescape(point) == mountPoint)
            return true;
    }
    return false;
}

// Waits until the mount table has (or lacks) the mount, or the process behind `pidfd` ends.
bool waitListed(const std::string& mountPoint, bool wanted, int pidfd, Clock::time_point deadline)
{
    const int table = open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC);
    if (table < 0)
        return false;
    bool done = false;
    for (;;) {
        // The table signals POLLPRI on any change after it was opened or last polled.
        if ((done = listed(table, mountPoint) == wanted))
            break;
        pollfd fds[] = {{table, POLLPRI, 0}, {pidfd, POLLIN, 0}};
        if (poll(fds, pidfd >= 0 ? 2 : 1, msLeft(deadline)) <= 0 || (fds[1].revents & POLLIN) != 0)
            break;
    }
    if (!done)
        done = listed(table, mountPoint) == wanted;
    close(table);
    return done;
}

// A descriptor that polls readable when the process ends. By syscall: glibc 2.36 declares
// pidfd_open without C linkage.
int pidfdOpen(pid_t pid)
{
    return int(syscall(SYS_pidfd_open, pid, 0));
}

bool waitExit(int pidfd, Clock::time_point deadline)
{
    pollfd fd = {pidfd, POLLIN, 0};
    return poll(&fd, 1, msLeft(deadline)) == 1;
}

// Starts a program with its output in `log`; only async-signal-safe calls between fork and exec.
pid_t spawn(const std::vector<std::string>& args, const std::string& log, bool dieWithParent)
{
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    const int in = open("/dev/null", O_RDONLY | O_CLOEXEC);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        if (dieWithParent && (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent))
            _exit(126);
        sigset_t all;
        sigemptyset(&all);
        sigprocmask(SIG_SETMASK, &all, nullptr);
        dup2(in, 0);
        dup2(out, 1);
        dup2(out, 2);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(out);
    close(in);
    return pid;
}

std::string describe(int status)
{
    if (WIFEXITED(status))
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status))
        return std::string("was killed by ") + strsignal(WTERMSIG(status));
    return "ended";
}

} // namespace

SlowMount::SlowMount(const std::string& source, int delayMs) : m_delayMs(delayMs)
{
    if (::access("/dev/fuse", R_OK | W_OK) != 0) {
        m_error = std::string("/dev/fuse is not usable (") + std::strerror(errno) +
                  "): the slow-disk tests need FUSE (modprobe fuse; in a container, pass the device "
                  "/dev/fuse and CAP_SYS_ADMIN)";
        return;
    }
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/slowmount-XXXXXX";
    char real[PATH_MAX];
    if (mkdtemp(pattern.data()) == nullptr || realpath(pattern.c_str(), real) == nullptr) {
        m_error = "cannot make a temporary folder " + pattern + ": " + std::strerror(errno);
        return;
    }
    m_dir = real;
    m_mountPoint = m_dir + "/mnt";
    m_control = m_dir + "/control";
    m_log = m_dir + "/slowfs.log";
    ::mkdir(m_mountPoint.c_str(), 0755);

    m_pid = spawn(
        {SLOWFS_PROGRAM, source, m_mountPoint, "--delay-ms", std::to_string(delayMs), "--control", m_control},
        m_log, true);
    m_pidfd = m_pid > 0 ? pidfdOpen(m_pid) : -1;
    if (m_pid <= 0 || m_pidfd < 0) {
        m_error = std::string("cannot start ") + SLOWFS_PROGRAM + ": " + std::strerror(errno);
        unmount();
        return;
    }
    if (waitListed(m_mountPoint, true, m_pidfd, Clock::now() + mountDeadline))
        return;
    int status = 0;
    const bool ended = waitpid(m_pid, &status, WNOHANG) == m_pid;
    if (ended)
        m_pid = -1;
    const std::string what = "mounting " + source + " on " + m_mountPoint;
    m_error = (ended ? "slowfs " + describe(status) + " before " + what
                     : "slowfs was still " + what + " after 10 s") +
              "; its output: " + readAll(m_log);
    unmount();
}

SlowMount::~SlowMount()
{
    if (ok())
        release();
    if (unmount() && !m_dir.empty()) {
        for (const std::string& file : {m_control, m_log})
            std::remove(file.c_str());
        ::rmdir(m_mountPoint.c_str());
        ::rmdir(m_dir.c_str());
    }
}

bool SlowMount::setDelay(int ms)
{
    m_delayMs = ms;
    return writeControl();
}

bool SlowMount::hang()
{
    m_hung = true;
    return writeControl();
}

bool SlowMount::release()
{
    m_hung = false;
    return writeControl();
}

// Written beside and renamed over, so the daemon reads the old state or the new, never half.
bool SlowMount::writeControl()
{
    const std::string temp = m_control + ".new";
    {
        std::ofstream out(temp, std::ios::trunc);
        out << m_delayMs << (m_hung ? " hang" : "") << '\n';
        if (!out.flush())
            return false;
    }
    return std::rename(temp.c_str(), m_control.c_str()) == 0;
}

bool SlowMount::unmount()
{
    if (m_pid > 0) {
        // Lazy: detaches at once even while the daemon answers nothing.
        const pid_t helper = spawn({"fusermount3", "-u", "-z", "-q", m_mountPoint}, m_log, false);
        const int helperFd = helper > 0 ? pidfdOpen(helper) : -1;
        if (helperFd >= 0 && !waitExit(helperFd, Clock::now() + exitDeadline))
            kill(helper, SIGKILL);
        if (helper > 0)
            waitpid(helper, nullptr, 0);
        if (helperFd >= 0)
            close(helperFd);
        kill(m_pid, SIGTERM);
        if (!waitExit(m_pidfd, Clock::now() + exitDeadline))
            kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
        m_pid = -1;
    }
    if (m_pidfd >= 0)
        close(m_pidfd);
    m_pidfd = -1;
    if (m_mountPoint.empty() || waitListed(m_mountPoint, false, -1, Clock::now() + exitDeadline))
        return true;
    m_error += (m_error.empty() ? "" : "; ") + m_mountPoint + " is still mounted after unmounting";
    return false;
}
