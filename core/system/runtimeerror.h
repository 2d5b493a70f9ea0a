#pragma once
// The run-time error numbers that handlers branch on, and the one exception that carries them
// out of a failing platform operation.

#include <QString>
#include <cstdint>
#include <stdexcept>

namespace ErrNo {
constexpr int16_t InvalidArgument = 5;
constexpr int16_t FileNotFound = 53;
constexpr int16_t InputPastEnd = 62;
constexpr int16_t DeviceUnavailable = 68;
constexpr int16_t PathFileAccess = 75;
constexpr int16_t PathNotFound = 76;
constexpr int16_t PermissionDenied = 419;
} // namespace ErrNo

/// Thrown by a platform operation that fails; `Number()` is what the handlers test.
class RunTimeError : public std::runtime_error
{
public:
    explicit RunTimeError(int16_t number, const QString& detail = {});
    int16_t Number() const { return m_number; }

private:
    int16_t m_number;
};

/// Maps an errno value from a folder operation (opendir, stat of a folder).
int16_t FolderErrorNumber(int err);
