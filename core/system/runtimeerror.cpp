// The run-time error exception, and the mapping of a folder operation's errno to its error number.
#include "core/system/runtimeerror.h"

#include <cerrno>

RunTimeError::RunTimeError(int16_t number, const QString& detail)
    : std::runtime_error(QStringLiteral("run-time error %1 %2").arg(number).arg(detail).toStdString()),
      m_number(number)
{}

static int16_t commonErrorNumber(int err, int16_t notFound)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
    // A link loop or a name longer than the system takes leads nowhere, like a missing folder:
    // the user is offered to remove or edit the favorite instead of seeing nothing happen.
    case ELOOP:
    case ENAMETOOLONG:
        return notFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return ErrNo::PathFileAccess;
    case EIO:
    case ENXIO:
    case ENOMEDIUM:
    case ENODEV:
    case ESTALE:
    case EHOSTDOWN:
    case ETIMEDOUT:
        return ErrNo::DeviceUnavailable;
    case EINVAL:
        return ErrNo::InvalidArgument;
    default:
        return ErrNo::PathFileAccess;
    }
}

int16_t FolderErrorNumber(int err)
{
    return commonErrorNumber(err, ErrNo::PathNotFound);
}
