#include "io/TextSink.h"

#include "io/FileError.h"
#include "io/RegularFile.h"
#include "io/TextCodec.h"

#include <QFile>

#include <cerrno>
#include <thread>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// The characters Windows-1252 places at 0x80 to 0x9F. Its five unassigned
// bytes there stand for the control characters of the same number, as the
// decoder reads them, so such files go back as they came.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool InWindows1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    for (const char16_t mapped : kWindows1252High) {
        if (mapped == c)
            return true;
    }
    return false;
}

// Replacing a file has the system drop the old one's pages from its cache
// before the rename returns: tens of milliseconds for a list of a few
// hundred MB. Held open across the rename, the old file is let go
// afterwards on a thread of its own, which that work then falls to.
class ReplacedFile
{
public:
    explicit ReplacedFile(const QString& path)
    {
#ifdef Q_OS_LINUX
        // Not blocking on a pipe that took the file's place meanwhile.
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
#else
        Q_UNUSED(path);
#endif
    }
    ~ReplacedFile()
    {
#ifdef Q_OS_LINUX
        if (m_fd >= 0)
            std::thread([fd = m_fd] { ::close(fd); }).detach();
#endif
    }
    ReplacedFile(const ReplacedFile&) = delete;
    ReplacedFile& operator=(const ReplacedFile&) = delete;

private:
    int m_fd = -1;
};

} // namespace

bool FitsWindows1252(std::string_view utf8)
{
    std::size_t i = 0;
    while (i < utf8.size() && static_cast<unsigned char>(utf8[i]) < 0x80)
        ++i;
    if (i == utf8.size())
        return true;
    const QString text =
        QString::fromUtf8(utf8.data() + i, static_cast<qsizetype>(utf8.size() - i));
    for (const char32_t c : text.toUcs4()) {
        if (!InWindows1252(c))
            return false;
    }
    return true;
}

CTextSink::CTextSink(TextEncoding encoding)
    : m_encoding(encoding), m_encoder(CTextCodec::EncoderFor(encoding))
{
}

bool CTextSink::Open(const QString& path, QString& error)
{
    // Saving over a pipe or a device would replace it with a regular file.
    if (RegularFile::Refuses(path, error)) {
        m_failed = true;
        return false;
    }
    m_file.setFileName(path);
    // Unbuffered: every write reaches the system at once and its failure is
    // seen here, where a buffered device could lose the last one's.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        Fail(errno);
        error = Reason();
    }
    return !m_failed;
}

void CTextSink::Fail(int systemError)
{
    if (!m_failed)
        m_systemError = systemError;
    m_failed = true;
}

QString CTextSink::Reason() const
{
    return FileError::Reason(m_systemError, FileError::Access::Write);
}

// A write that stops short sets no error text, but the system call that
// stopped it left its number in errno.
void CTextSink::WriteOut(std::string_view text)
{
    if (m_failed || text.empty())
        return;
    qint64 written = 0;
    qint64 expected = 0;
    if (m_encoding != TextEncoding::Utf8) {
        const QByteArray bytes = m_encoder(QString::fromUtf8(text.data(), text.size()));
        expected = bytes.size();
        written = m_file.write(bytes);
    } else {
        expected = static_cast<qint64>(text.size());
        written = m_file.write(text.data(), expected);
    }
    if (written != expected) {
        Fail(errno);
        return;
    }
    StartWriteBack(written);
}

// Commit waits until the file is on disk. Asking the system to start
// writing each stretch as soon as it is complete lets the disk work while
// the rest is formatted, so that wait is short.
void CTextSink::StartWriteBack(qint64 written)
{
    m_unsynced += written;
#ifdef Q_OS_LINUX
    if (m_unsynced < kWriteBackStretch)
        return;
    const qint64 end = m_file.pos();
    sync_file_range(m_file.handle(), end - m_unsynced, m_unsynced, SYNC_FILE_RANGE_WRITE);
    m_unsynced = 0;
#endif
}

void CTextSink::Flush()
{
    WriteOut(m_buffer);
    m_buffer.clear();
}

void CTextSink::WriteLarge(std::string_view text)
{
    Flush();
    WriteOut(text);
}

bool CTextSink::Commit(QString& error)
{
    Flush();
    if (m_failed) {
        m_file.cancelWriting();
        error = Reason();
        return false;
    }
    const ReplacedFile replaced(m_file.fileName());
    if (m_file.commit())
        return true;
    Fail(errno);
    error = Reason();
    return false;
}
