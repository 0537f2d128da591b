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

private:
    static constexpr std::size_t kFlushSize = 1 << 20;
    void Flush();
    // Keeps the first failure's error number, to be told by Commit.
    void Fail(int systemError);
    QString Reason() const;

    QSaveFile m_file;
    TextEncoding m_encoding;
    QStringEncoder m_encoder;
    std::string m_buffer;
    bool m_failed = false;
    int m_systemError = 0;
};

// True when every character of the UTF-8 text has a Windows-1252 byte.
bool FitsWindows1252(std::string_view utf8);
