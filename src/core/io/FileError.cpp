#include "io/FileError.h"

#include "resources/StringTable.h"

#include <QFileDevice>

#include <cerrno>

namespace {

struct KnownError
{
    int number;
    const char* reason;
};

constexpr KnownError kKnownErrors[] = {
    {ENOSPC, Strings::kDiskFull},
#ifdef EDQUOT
    {EDQUOT, Strings::kQuotaExceeded},
#endif
    {EROFS, Strings::kReadOnlyDisk},      {EACCES, Strings::kAccessDenied},
    {EPERM, Strings::kAccessDenied},      {ENAMETOOLONG, Strings::kNameTooLong},
    {ENOENT, Strings::kFolderMissing},    {ENOTDIR, Strings::kPathNotAFolder},
    {EFBIG, Strings::kFileTooBig},        {EISDIR, Strings::kIsAFolder},
    {EIO, Strings::kDiskFault},           {EMFILE, Strings::kTooManyOpenFiles},
    {ENFILE, Strings::kTooManyOpenFiles}, {ELOOP, Strings::kTooManyLinks},
    {ETXTBSY, Strings::kFileBusy},        {EBUSY, Strings::kFileBusy},
    {ENOMEM, Strings::kOutOfMemory},      {EINVAL, Strings::kBadFileName},
};

// Error numbers are small: Linux stops below 140.
constexpr int kLastErrorNumber = 255;

} // namespace

QString FileError::Reason(int number, Access access)
{
    if (number == 0)
        return QString::fromUtf8(Strings::kNoReasonGiven);
    if (number == ENOENT && access == Access::Read)
        return QString::fromUtf8(Strings::kFileMissing);
    for (const KnownError& known : kKnownErrors) {
        if (known.number == number)
            return QString::fromUtf8(known.reason);
    }
    return QString::fromUtf8(Strings::kSystemErrorNumber).arg(number);
}

QString FileError::ReasonOf(const QFileDevice& file, Access access)
{
    if (file.error() == QFileDevice::NoError)
        return Reason(0, access);
    const QString told = file.errorString();
    for (int number = 1; number <= kLastErrorNumber; ++number) {
        if (qt_error_string(number) == told)
            return Reason(number, access);
    }
    return Reason(0, access);
}
