#pragma once

#include "io/TextEncoding.h"

#include <QFile>
#include <QString>
#include <QStringDecoder>

#include <string>
#include <string_view>

// Reads a text file as UTF-8 lines, the way a text-mode stream would: a CR
// just before a LF is dropped. The file is taken as UTF-8 (a byte-order mark
// is skipped) when all of it is valid UTF-8, otherwise as Windows-1252 and
// converted, so the lines handed out are always UTF-8.
class CTextSource
{
public:
    // Refuses anything but a regular file, before opening it.
    bool Open(const QString& path);
    QString ErrorString() const { return m_error.isEmpty() ? m_file.errorString() : m_error; }
    // True when Open failed because the path is not a regular file.
    bool Refused() const { return !m_error.isEmpty(); }
    TextEncoding Encoding() const { return m_encoding; }

    // The file's size and how much of it the lines read so far cover, in
    // bytes on disk.
    qint64 Size() const { return m_size; }
    qint64 Position() const;

    // The next line up to lineEnd, without it. False when nothing is left.
    // The view stays valid until the next call. endedByDelimiter tells
    // whether lineEnd was found (false for a last line without one).
    bool ReadLine(std::string_view& line, char lineEnd = '\n', bool* endedByDelimiter = nullptr);
    // True when every byte has been handed out.
    bool AtEnd() const;
    // The first byte of the text, after any byte-order mark, without
    // handing it out. False for an empty text.
    bool PeekFirstByte(char& first);
    bool Rewind();
    // True when reading stopped on an error rather than at the end.
    bool HadError() const { return m_file.error() != QFileDevice::NoError; }

private:
    bool DetectEncoding();
    bool Fill();
    void DropCarriageReturns(std::size_t from);

    QFile m_file;
    QString m_error;
    qint64 m_size = 0;
    qint64 m_rawRead = 0;
    qint64 m_bomSize = 0;
    TextEncoding m_encoding = TextEncoding::Utf8;
    QStringDecoder m_decoder;
    std::string m_buffer;
    std::size_t m_pos = 0;
    bool m_eof = false;
    bool m_heldCarriageReturn = false;
};
