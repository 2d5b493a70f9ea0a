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
#include <functional>
#include <sstream>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

std::string readAll(const std::string& file)
{
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Polls `done` every 10 ms until it holds or `limit` has passed; whether it held.
bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

// Whether the mount table has a slowfs mount on `point`; the table escapes blanks and
// backslashes as octal.
bool listed(const std::string& point)
{
    std::string escaped;
    for (const char c : point) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\\')
            escaped += '\\' + std::to_string(c >> 6) + std::to_string((c >> 3) & 7) + std::to_string(c & 7);
        else
            escaped += c;
    }
    std::istringstream table(readAll("/proc/self/mountinfo"));
    for (std::string line; std::getline(table, line);) {
        if (line.find(' ' + escaped + ' ') != std::string::npos &&
            line.find(" fuse.slowfs ") != std::string::npos)
            return true;
    }
    return false;
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

// Waits for the process to end, killing it when it outlives the limit.
void reap(pid_t pid, std::chrono::milliseconds limit)
{
    if (!waitUntil([pid] { return waitpid(pid, nullptr, WNOHANG) != 0; }, limit)) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
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
    ::mkdir(m_mountPoint.c_str(), 0755);

    m_pid = spawn(
        {SLOWFS_PROGRAM, source, m_mountPoint, "--delay-ms", std::to_string(delayMs), "--control", m_control},
        m_dir + "/slowfs.log", true);
    int status = 0;
    bool ended = false;
    if (m_pid > 0 &&
        waitUntil(
            [&] {
                ended = waitpid(m_pid, &status, WNOHANG) == m_pid;
                return ended || listed(m_mountPoint);
            },
            10s) &&
        !ended)
        return;
    if (ended)
        m_pid = -1;
    m_error = "slowfs " +
              (!ended                ? std::string("was still mounting after 10 s")
               : WIFEXITED(status)   ? "exited with status " + std::to_string(WEXITSTATUS(status))
               : WIFSIGNALED(status) ? std::string("was killed by ") + strsignal(WTERMSIG(status))
                                     : std::string("ended")) +
              " mounting " + source + " on " + m_mountPoint +
              "; its output: " + readAll(m_dir + "/slowfs.log");
    unmount();
}

SlowMount::~SlowMount()
{
    if (ok())
        release();
    if (unmount() && !m_dir.empty()) {
        for (const std::string& file : {m_control, m_dir + "/slowfs.log"})
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
    if (!(std::ofstream(temp, std::ios::trunc) << m_delayMs << (m_hung ? " hang" : "") << '\n').flush())
        return false;
    return std::rename(temp.c_str(), m_control.c_str()) == 0;
}

bool SlowMount::unmount()
{
    if (m_pid > 0) {
        // Lazy: detaches at once even while the daemon answers nothing.
        const pid_t helper =
            spawn({"fusermount3", "-u", "-z", "-q", m_mountPoint}, m_dir + "/slowfs.log", false);
        if (helper > 0)
            reap(helper, 5s);
        kill(m_pid, SIGTERM);
        reap(m_pid, 5s);
        m_pid = -1;
    }
    if (m_mountPoint.empty() || waitUntil([this] { return !listed(m_mountPoint); }, 5s))
        return true;
    m_error += (m_error.empty() ? "" : "; ") + m_mountPoint + " is still mounted after unmounting";
    return false;
}
