#pragma once

#include "io/TextEncoding.h"

#include <QSaveFile>
#include <QString>
#include <QStringEncoder>

#include <string>
#include <string_view>

// Writes UTF-8 text to a file through a buffer, converting it to
// Windows-1252 or UTF-16 when asked; in UTF-8 the bytes go out as they come,
// so any other output may pass through it too. The file on disk is replaced only by
// Commit, and only when every write succeeded, so a failed write never
// destroys the previous file. A failure is told in French, from the system's
// error number.
class CTextSink
{
public:
    explicit CTextSink(TextEncoding encoding = TextEncoding::Utf8);

    // On failure error says why.
    bool Open(const QString& path, QString& error);
    void Write(std::string_view text)
    {
        if (text.size() >= kFlushSize) {
            WriteLarge(text);
            return;
        }
        m_buffer.append(text);
        if (m_buffer.size() >= kFlushSize)
            Flush();
    }
    void Write(char c)
    {
        m_buffer.push_back(c);
        if (m_buffer.size() >= kFlushSize)
            Flush();
    }
    void WriteLineEnd() { Write(std::string_view("\r\n")); }
    // Writes everything out and replaces the file. False, with the reason in
    // error, on any failure.
    bool Commit(QString& error);
    // True once a write failed; nothing more reaches the file.
    bool Failed() const { return m_failed; }

private:
    static constexpr std::size_t kFlushSize = 1 << 20;
    static constexpr qint64 kWriteBackStretch = qint64{8} << 20;
    void Flush();
    // Writes a text at least as long as the buffer without copying it.
    void WriteLarge(std::string_view text);
    void WriteOut(std::string_view text);
    void StartWriteBack(qint64 written);
    // Keeps the first failure's error number, to be told by Commit.
    void Fail(int systemError);
    QString Reason() const;

    QSaveFile m_file;
    TextEncoding m_encoding;
    QStringEncoder m_encoder;
    std::string m_buffer;
    bool m_failed = false;
    int m_systemError = 0;
    // Bytes written since the system was last asked to start writing them.
    qint64 m_unsynced = 0;
};

// True when every character of the UTF-8 text has a Windows-1252 byte.
bool FitsWindows1252(std::string_view utf8);
