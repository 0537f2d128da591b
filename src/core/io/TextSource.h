#pragma once

#include "io/ByteBuffer.h"
#include "io/FileError.h"
#include "io/TextEncoding.h"

#include <QFile>
#include <QString>
#include <QStringDecoder>

#include <atomic>
#include <string>
#include <string_view>

// Reads a text file as UTF-8 lines, the way a text-mode stream would: a CR
// just before a LF is dropped. The file is taken as UTF-8 (a byte-order mark
// is skipped) when all of it is valid UTF-8, otherwise as Windows-1252 and
// converted, so the lines handed out are always UTF-8.
class CTextSource
{
public:
    // How Open settles the encoding: by reading the whole file; by taking
    // it as UTF-8 until the reader, which checks the bytes as it parses
    // them, calls ConfirmUtf8 or ReadAsWindows1252; or by taking it as UTF-8
    // and checking each piece ReadLine reads, so that the file is read once:
    // a piece that is not UTF-8 sets NotUtf8, and whoever reads the lines
    // starts again after ReadAsWindows1252.
    enum class Utf8Check
    {
        OnOpen,
        ByReader,
        ByLines
    };
    // Refuses anything but a regular file, before opening it.
    bool Open(const QString& path, Utf8Check check = Utf8Check::OnOpen);
    // Whether the bytes after the byte-order mark are still to be checked.
    bool Utf8Unchecked() const { return m_utf8Unchecked; }
    void ConfirmUtf8() { m_utf8Unchecked = false; }
    // Whether ReadLine met bytes that are not UTF-8 since the last Rewind
    // (ByLines). The lines it hands out go on as the bytes stand; a reader
    // may stop at once.
    bool NotUtf8() const { return m_notUtf8; }
    // Takes the file as Windows-1252 from its start.
    bool ReadAsWindows1252();
    // Opens other's file as other reads it (encoding, line ends), to be read
    // from start on, a line start of a file in 1-byte units: a second reader
    // of the file's second half. Rewind comes back to start.
    bool OpenFrom(const CTextSource& other, qint64 start);
    // Whether the text is in 1-byte units, so that it may be read from any
    // line start.
    bool SingleByteUnits() const { return !IsUtf16(); }
    // Reads up to size bytes of the file from offset into into, whatever
    // the lines handed out so far; several threads may read at once. The
    // number of bytes read, or -1 on an error, which HadError then tells.
    qint64 ReadAt(qint64 offset, char* into, qint64 size) const;
    // Reads the file from its start as a file written by another program,
    // which the imports take: a lone CR ends a line too, as LF and CR LF do,
    // and a file whose text starts with a UTF-16 byte-order mark (after any
    // UTF-8 one) is UTF-16. The list documents the program writes are never
    // read so.
    bool ReadAsForeignText();
    // Why Open or a read failed, in French.
    QString ErrorString() const;
    // True when Open failed because the path is not a regular file.
    bool Refused() const { return !m_error.isEmpty(); }
    // The encoding to write a list back in: Windows-1252 for a
    // Windows-1252 file, UTF-8 for any other, UTF-16 included.
    TextEncoding Encoding() const;
    // The encoding the file was found in, UTF-16 included once
    // ReadAsForeignText has looked for it, and its byte-order marks: the
    // bytes before the text.
    TextEncoding FoundEncoding() const;
    qint64 TextStart() const { return m_bomSize; }

    // The file's size and how much of it the lines read so far cover, in
    // bytes on disk.
    qint64 Size() const { return m_size; }
    qint64 Position() const;

    // The next line up to lineEnd, without it. False when nothing is left.
    // The view stays valid until the next call. endedByDelimiter tells
    // whether lineEnd was found (false for a last line without one).
    bool ReadLine(std::string_view& line, char lineEnd = '\n', bool* endedByDelimiter = nullptr);
    // The text read from the file but not handed out yet, for a reader that
    // finds its lines itself; valid until the next ReadLine. Skip hands out
    // its first bytes.
    std::string_view Buffered() const
    {
        return std::string_view(m_buffer.data() + m_pos, m_buffer.size() - m_pos);
    }
    void Skip(std::size_t bytes) { m_pos += bytes; }
    // True when every byte has been handed out.
    bool AtEnd() const;
    // The first byte of the text, after any byte-order mark, without
    // handing it out. False for an empty text.
    bool PeekFirstByte(char& first);
    bool Rewind();
    // True when reading stopped on an error rather than at the end.
    bool HadError() const
    {
        return m_file.error() != QFileDevice::NoError || m_readAtError.load() != 0;
    }

private:
    enum class Decoding
    {
        Utf8,
        Windows1252,
        Utf16Le,
        Utf16Be
    };
    bool DetectEncoding();
    bool DetectByteOrderMark();
    bool DetectUtf16();
    bool IsUtf16() const
    {
        return m_decoding == Decoding::Utf16Le || m_decoding == Decoding::Utf16Be;
    }
    bool Fill();
    void DecodeToUtf8(std::size_t start);
    void CheckUtf8(std::size_t start);
    void EndLines(std::size_t from);

    QFile m_file;
    QString m_error;
    qint64 m_size = 0;
    qint64 m_rawRead = 0;
    qint64 m_bomSize = 0;
    // Where Rewind goes back to: the text's start, or that of a second
    // reader's part.
    qint64 m_readFrom = 0;
    // The bytes the last read took from the file and the UTF-8 they became.
    qint64 m_lastRead = 0;
    qint64 m_lastDecoded = 0;
    Decoding m_decoding = Decoding::Utf8;
    bool m_loneCarriageReturnEndsLine = false;
    QStringDecoder m_decoder;
    // The first half of a UTF-16 surrogate pair that the last read cut off.
    QString m_heldSurrogate;
    CByteBuffer m_buffer;
    std::size_t m_pos = 0;
    bool m_eof = false;
    bool m_heldCarriageReturn = false;
    bool m_utf8Unchecked = false;
    bool m_checkLines = false;
    bool m_notUtf8 = false;
    // Bytes at the buffer's end that start a UTF-8 sequence the last read
    // cut off: checked with the next read.
    std::size_t m_uncheckedTail = 0;
    // The error number of the first ReadAt that failed.
    mutable std::atomic<int> m_readAtError{0};
};
