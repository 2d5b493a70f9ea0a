#pragma once
// SlowMount: one slowfs mirror of a folder for a test, a stand-in for a slow or dead network share,
// mounted for the object's lifetime and never left behind.

#include <string>
#include <sys/types.h>

/// Mounts a slowfs mirror of a folder on a fresh temporary mount point. Every operation through the
/// mount first waits the current delay; hang() makes every operation block, like a server that
/// never answers, until release(). A test checks ok() first and fails with error() when false:
/// a machine without FUSE fails the test, it never skips it.
///
/// Use it from one thread (the test's); other threads may use the files below mountPoint().
/// The daemon is killed if the thread that made the SlowMount ends, and fusermount3 then removes
/// the mount, so a crashed test leaves no mount behind either.
class SlowMount
{
public:
    /// Starts the daemon over `source` and returns once the mount answers, or has failed.
    explicit SlowMount(const std::string& source, int delayMs = 0);
    /// Releases a hang, then unmount(); removes the temporary folder.
    ~SlowMount();
    SlowMount(const SlowMount&) = delete;
    SlowMount& operator=(const SlowMount&) = delete;

    /// True while mounted; false when mounting failed or after unmount().
    bool ok() const { return m_pid > 0; }
    /// Why mounting or unmounting failed, with the daemon's own message: for the test's failure.
    const std::string& error() const { return m_error; }
    const std::string& mountPoint() const { return m_mountPoint; }

    /// The delay of every operation that starts after this returns.
    bool setDelay(int ms);
    /// Every operation that starts after this returns blocks until release().
    bool hang();
    bool release();

    /// Unmounts lazily and ends the daemon, even while hung: calls blocked in the mount then fail
    /// with an error (ENOTCONN or EIO). True when the mount is gone from the mount table.
    bool unmount();

private:
    bool writeControl();

    std::string m_dir, m_mountPoint, m_control, m_error;
    pid_t m_pid = -1;
    int m_delayMs = 0;
    bool m_hung = false;
};
