#pragma once

#include "exchange/CsvDialect.h"
#include "io/FileStamp.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

class CGridListCtrl;
class CTextSource;
class IProgress;

// A CSV or tab-separated file opened as a document. It keeps what the reader
// found (the dialect) and where each row's record lies in the file, but not
// the file's bytes: Save copies a row nobody changed from the file as the
// bytes it was read from, and writes the others afresh in the file's
// dialect. A row changed and changed back, moved or sorted is still its
// record: each row carries its record's number (its origin) and the
// record's text is known by a 64-bit hash of it.
class CDelimitedFile
{
public:
    enum class WriteResult
    {
        Written,
        Failed,
        // A text the dialect's encoding cannot hold; nothing was written.
        DoesNotFit
    };

    // Fills the empty grid from the opened source, the first record naming
    // the columns when withHeader; separator 0 finds it. Appends one empty
    // row for typing, which Save leaves out until it is typed in.
    bool Read(CTextSource& source, const QString& path, CGridListCtrl& grid, bool withHeader,
              char separator, IProgress& progress);

    // Writes the grid to path in dialect. Rows still as read are copied
    // from the file read (changed to dialect's encoding when it differs)
    // when that file is unchanged on disk and the dialect separates, quotes
    // and ends lines as it did. On success the file written becomes the
    // file read, and the rows its records.
    WriteResult Write(CGridListCtrl& grid, const QString& path, const CsvDialect& dialect,
                      IProgress& progress, QString& error);

    const CsvDialect& Dialect() const { return m_dialect; }
    // The file read or last written, and its stamp then.
    const QString& Path() const { return m_path; }
    const FileStamp& Stamp() const { return m_stamp; }

private:
    class Writer;
    friend class Writer;

    bool FindRecordBytes(const QString& path, qint64 textStart, std::uint64_t firstRecordLine,
                         std::vector<std::uint64_t>& rowLines);
    void NoteHashes(const CGridListCtrl& grid);

    QString m_path;
    FileStamp m_stamp;
    CsvDialect m_dialect;
    // The bytes before the text (byte-order marks), before the first
    // record (a "sep=" line and blank lines), and the header record.
    QByteArray m_prefix;
    std::uint64_t m_preambleEnd = 0;
    std::uint64_t m_headerEnd = 0;
    std::uint64_t m_headerHash = 0;
    // No record has more fields than this.
    int m_widestRecord = 0;
    // Where record k's bytes start in the file, and the hash of its text;
    // record k is origin k + 1. The last one ends at m_end, the file's size.
    std::vector<std::uint64_t> m_offsets;
    std::vector<std::uint64_t> m_hashes;
    std::uint64_t m_end = 0;
};

// The hash that tells a row's text from its record's.
std::uint64_t RowHash(std::string_view joined);
