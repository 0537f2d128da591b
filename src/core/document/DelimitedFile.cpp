#include "document/DelimitedFile.h"

#include "exchange/CsvImporter.h"
#include "grid/CellText.h"
#include "grid/GridListCtrl.h"
#include "io/LineStarts.h"
#include "io/TextCodec.h"
#include "io/TextSink.h"
#include "io/TextSource.h"
#include "platform/Progress.h"

#include <QFile>

#include <algorithm>
#include <functional>

namespace {

void AppendField(std::string& line, std::string_view text, const CsvDialect& dialect)
{
    if (!CsvDialects::Quotes(dialect, text)) {
        line.append(text);
        return;
    }
    line.push_back('"');
    for (const char c : text) {
        if (c == '"')
            line.push_back('"');
        line.push_back(c);
    }
    line.push_back('"');
}

// Whether a field read from the file is what the grid shows of it: a cell
// holds no line break or TAB, a name no more than its longest.
bool SameCell(const std::string& field, std::string_view cell)
{
    return CellText::Clean(field) == cell;
}

bool SameName(const std::string& field, std::string_view name)
{
    return CellText::Utf8Prefix(CellText::Clean(field), kMaxColumnNameLength) == name;
}

int StoredCells(std::string_view joined)
{
    return joined.empty() ? 0
                          : static_cast<int>(std::count(joined.begin(), joined.end(), '\t')) + 1;
}

// A record of fields cells, in the dialect, as UTF-8 without its line end.
// A cell that is still the text of the field it was read from is written
// as that field, line breaks and TABs included.
std::string FreshLine(std::string_view joined, int fields, const CsvDialect& dialect,
                      const std::vector<std::string>& read = {},
                      bool (*same)(const std::string&, std::string_view) = SameCell)
{
    std::string line;
    line.reserve(joined.size() + static_cast<std::size_t>(fields) * 3);
    CellCursor cells(joined);
    for (int f = 0; f < fields; ++f) {
        if (f > 0)
            line.push_back(dialect.separator);
        const std::string_view cell = cells.Next();
        const auto k = static_cast<std::size_t>(f);
        AppendField(line, k < read.size() && same(read[k], cell) ? read[k] : cell, dialect);
    }
    return line;
}

std::string JoinedNames(const CGridListCtrl& grid)
{
    std::string names;
    for (int c = 0; c < grid.GetColumnCount(); ++c) {
        if (c > 0)
            names.push_back('\t');
        names.append(grid.GetColumnName(c));
    }
    return names;
}

CsvDialect::LineEnd MostUsed(const CLineStarts::LineEnds& ends)
{
    if (ends.lf > ends.crLf && ends.lf >= ends.cr)
        return CsvDialect::LineEnd::Lf;
    if (ends.cr > ends.crLf && ends.cr > ends.lf)
        return CsvDialect::LineEnd::Cr;
    return CsvDialect::LineEnd::CrLf;
}

} // namespace

std::uint64_t RowHash(std::string_view joined)
{
    while (!joined.empty() && joined.back() == '\t')
        joined.remove_suffix(1);
    return std::hash<std::string_view>{}(joined);
}

bool CDelimitedFile::Read(CTextSource& source, const QString& path, CGridListCtrl& grid,
                          bool withHeader, char separator, IProgress& progress)
{
    m_path = path;
    m_stamp = FileStamp::Of(path);
    m_offsets.clear();
    m_hashes.clear();
    CsvFound found;
    const bool complete = CCsvImporter(progress).Read(source, grid, withHeader, separator, &found);
    m_dialect = found.dialect;
    m_dialect.encoding = source.FoundEncoding();
    m_dialect.byteOrderMark = source.TextStart() > 0;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        m_prefix = file.read(source.TextStart());
    if (complete &&
        FindRecordBytes(path, source.TextStart(), found.firstRecordLine, found.rowLines))
        NoteHashes(grid);
    else
        m_stamp = {};
    m_widestRecord = grid.GetColumnCount();
    RowBuilder typing;
    grid.AppendRow(typing);
    return complete;
}

// The lines the reader told become byte offsets: the preamble ends where the
// first record starts, the header where the first row's record does.
bool CDelimitedFile::FindRecordBytes(const QString& path, qint64 textStart,
                                     std::uint64_t firstRecordLine,
                                     std::vector<std::uint64_t>& rowLines)
{
    rowLines.insert(rowLines.begin(), firstRecordLine);
    CLineStarts lines;
    if (!lines.Find(path, textStart, m_dialect.encoding, rowLines))
        return false;
    m_dialect.lineEnd = MostUsed(lines.Ends());
    m_dialect.finalLineEnd = lines.EndsWithLineEnd();
    m_end = static_cast<std::uint64_t>(lines.Size());
    m_preambleEnd = rowLines.front();
    rowLines.erase(rowLines.begin());
    m_headerEnd = rowLines.empty() ? m_end : rowLines.front();
    if (!m_dialect.header)
        m_headerEnd = m_preambleEnd;
    m_offsets = std::move(rowLines);
    return true;
}

void CDelimitedFile::NoteHashes(const CGridListCtrl& grid)
{
    m_hashes.resize(m_offsets.size());
    for (std::size_t k = 0; k < m_offsets.size(); ++k)
        m_hashes[k] = RowHash(grid.JoinedRowView(static_cast<int>(k)));
    m_headerHash = RowHash(JoinedNames(grid));
}

// One save: the lines go out one after the other, each line's end held back
// until the next line comes, so that the last one ends as the dialect says.
class CDelimitedFile::Writer
{
public:
    Writer(const CDelimitedFile& read, const CsvDialect& dialect)
        : m_read(read), m_dialect(dialect), m_source(read.m_dialect.encoding),
          m_target(dialect.encoding)
    {
        std::string lineEnd;
        m_target.Encode(CsvDialects::LineEndText(dialect.lineEnd), lineEnd);
        m_lineEnd = std::move(lineEnd);
    }

    // Maps the file read while it is as it was read: a changed row takes
    // from its record the text of the cells nobody changed. Its records are
    // copied when their lines are split, quoted and ended as dialect says.
    void OpenSource()
    {
        if (m_read.m_path.isEmpty() || FileStamp::Of(m_read.m_path) != m_read.m_stamp)
            return;
        m_file.setFileName(m_read.m_path);
        if (m_read.m_end == 0 || !m_file.open(QIODevice::ReadOnly))
            return;
        m_bytes = reinterpret_cast<const char*>(m_file.map(0, static_cast<qint64>(m_read.m_end)));
        const CsvDialect& was = m_read.m_dialect;
        m_sameLayout = was.separator == m_dialect.separator && was.lineEnd == m_dialect.lineEnd &&
                       was.quoting == m_dialect.quoting;
    }
    bool KnowsRecords() const { return m_bytes != nullptr; }
    bool CopiesRecords() const { return KnowsRecords() && m_sameLayout; }

    bool Open(const QString& path, QString& error) { return m_sink.Open(path, error); }

    void WritePrefix()
    {
        const bool sameBytes = m_dialect.encoding == m_read.m_dialect.encoding &&
                               m_dialect.byteOrderMark == m_read.m_dialect.byteOrderMark &&
                               !m_read.m_prefix.isEmpty();
        if (sameBytes)
            m_prefix.assign(m_read.m_prefix.constData(),
                            static_cast<std::size_t>(m_read.m_prefix.size()));
        else if (m_dialect.byteOrderMark)
            m_prefix.assign(CTextCodec::ByteOrderMark(m_dialect.encoding));
        Put(m_prefix);
    }

    // The "sep=" line and the blank lines before the first record.
    void WritePreamble()
    {
        if (CopiesRecords() && m_dialect.sepLine == m_read.m_dialect.sepLine &&
            m_dialect.encoding == m_read.m_dialect.encoding) {
            Put(Slice(m_read.m_prefix.size(), m_read.m_preambleEnd));
        } else if (m_dialect.sepLine) {
            std::string line("sep=");
            line.push_back(m_dialect.separator);
            PutLine(line);
        }
        m_preambleEnd = m_written + m_pendingEnd.size();
    }

    bool WriteHeader(const CGridListCtrl& grid)
    {
        const std::string names = JoinedNames(grid);
        m_namesHash = RowHash(names);
        m_sameColumns = m_namesHash == m_read.m_headerHash;
        if (!m_dialect.header)
            return true;
        if (CopiesRecords() && m_read.m_dialect.header && m_sameColumns) {
            // An empty file has no names to write back.
            return m_read.m_headerEnd == m_read.m_preambleEnd ||
                   PutRecord(Slice(m_read.m_preambleEnd, m_read.m_headerEnd));
        }
        if (grid.GetColumnCount() == 0)
            return true;
        std::vector<std::string> read;
        if (KnowsRecords() && m_read.m_dialect.header)
            read = FieldsOf(Slice(m_read.m_preambleEnd, m_read.m_headerEnd));
        return PutLine(FreshLine(names, grid.GetColumnCount(), m_dialect, read, SameName));
    }

    // Writes row as its record's bytes when its text is still the record's,
    // else afresh; notes where it starts and its hash.
    bool WriteRow(const CGridListCtrl& grid, int row)
    {
        const std::string_view joined = grid.JoinedRowView(row);
        const std::uint64_t hash = RowHash(joined);
        m_offsets.push_back(m_written + m_pendingEnd.size());
        m_hashes.push_back(hash);
        const std::uint32_t origin = grid.RowOrigin(row);
        const bool known = KnowsRecords() && origin >= 1 && origin <= m_read.m_offsets.size();
        const std::string_view record = known ? RecordBytes(origin - 1) : std::string_view();
        const int columns = grid.GetColumnCount();
        // A record wider than the columns left (some were deleted) is
        // written afresh, to the columns' width. Every record fits the
        // columns the file was read with.
        const bool same = known && CopiesRecords() && m_read.m_hashes[origin - 1] == hash;
        if (same && columns >= m_read.m_widestRecord)
            return PutRecord(record);
        std::vector<std::string> read = known ? FieldsOf(record) : std::vector<std::string>();
        if (same && static_cast<int>(read.size()) <= columns)
            return PutRecord(record);
        const int fields = known ? std::min(static_cast<int>(read.size()), columns) : columns;
        // Under moved, added or removed columns a field no longer stands
        // under its cell.
        if (!m_sameColumns)
            read.clear();
        return PutLine(FreshLine(joined, std::max(fields, StoredCells(joined)), m_dialect, read));
    }

    bool Finish(QString& error)
    {
        if (m_dialect.finalLineEnd)
            Put(std::exchange(m_pendingEnd, std::string()));
        return m_sink.Commit(error);
    }

    std::vector<std::uint64_t> TakeOffsets() { return std::move(m_offsets); }
    std::vector<std::uint64_t> TakeHashes() { return std::move(m_hashes); }
    std::uint64_t Written() const { return m_written; }
    std::uint64_t PreambleEnd() const { return m_preambleEnd; }
    const std::string& Prefix() const { return m_prefix; }
    std::uint64_t NamesHash() const { return m_namesHash; }

private:
    std::string_view Slice(std::uint64_t begin, std::uint64_t end) const
    {
        return {m_bytes + begin, static_cast<std::size_t>(end - begin)};
    }
    std::string_view RecordBytes(std::size_t k) const
    {
        const std::uint64_t end =
            k + 1 < m_read.m_offsets.size() ? m_read.m_offsets[k + 1] : m_read.m_end;
        return Slice(m_read.m_offsets[k], end);
    }
    // The fields of a record of the file read, as their text.
    std::vector<std::string> FieldsOf(std::string_view record) const
    {
        const std::string text =
            m_source.Decode(record.substr(0, record.size() - m_source.LineEndSize(record)));
        return CsvDialects::SplitFields(text, m_read.m_dialect.separator);
    }

    void Put(std::string_view bytes)
    {
        m_sink.Write(bytes);
        m_written += bytes.size();
    }
    // A line as read: its line end waits for the next line.
    bool PutRecord(std::string_view bytes)
    {
        Put(std::exchange(m_pendingEnd, std::string()));
        const std::size_t end = m_source.LineEndSize(bytes);
        const std::string_view body = bytes.substr(0, bytes.size() - end);
        if (m_dialect.encoding == m_read.m_dialect.encoding) {
            Put(body);
            m_pendingEnd = end == 0 ? m_lineEnd : std::string(bytes.substr(body.size()));
            return true;
        }
        m_pendingEnd = m_lineEnd;
        return PutLine(m_source.Decode(body), false);
    }
    // A UTF-8 line written afresh; false when the encoding cannot hold it.
    bool PutLine(std::string_view utf8, bool endPending = true)
    {
        m_scratch.clear();
        if (!m_target.Encode(utf8, m_scratch))
            return false;
        if (endPending)
            Put(std::exchange(m_pendingEnd, m_lineEnd));
        Put(m_scratch);
        return true;
    }

    const CDelimitedFile& m_read;
    const CsvDialect& m_dialect;
    CTextCodec m_source;
    CTextCodec m_target;
    std::string m_lineEnd;
    QFile m_file;
    const char* m_bytes = nullptr;
    bool m_sameLayout = false;
    bool m_sameColumns = false;
    std::uint64_t m_namesHash = 0;
    CTextSink m_sink;
    std::uint64_t m_written = 0;
    std::string m_prefix;
    std::uint64_t m_preambleEnd = 0;
    std::string m_pendingEnd;
    std::string m_scratch;
    std::vector<std::uint64_t> m_offsets;
    std::vector<std::uint64_t> m_hashes;
};

CDelimitedFile::WriteResult CDelimitedFile::Write(CGridListCtrl& grid, const QString& path,
                                                  const CsvDialect& dialect,
                                                  IProgress& progressSink, QString& error)
{
    Writer writer(*this, dialect);
    writer.OpenSource();
    if (!writer.Open(path, error))
        return WriteResult::Failed;
    ProgressReporter progress(progressSink);
    writer.WritePrefix();
    writer.WritePreamble();
    if (!writer.WriteHeader(grid))
        return WriteResult::DoesNotFit;
    // An empty row that no record gave, such as the one kept for typing,
    // is not part of the file, wherever a sort has put it.
    const int rows = grid.GetItemCount();
    std::vector<bool> written(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        const std::uint32_t origin = grid.RowOrigin(row);
        if (grid.JoinedRowView(row).empty() && (origin == 0 || origin > m_offsets.size()))
            continue;
        if (!writer.WriteRow(grid, row))
            return WriteResult::DoesNotFit;
        written[static_cast<std::size_t>(row)] = true;
        progress.Update(row + 1, rows);
    }
    if (!writer.Finish(error))
        return WriteResult::Failed;

    // The file written is the one the rows now come from.
    m_offsets = writer.TakeOffsets();
    m_hashes = writer.TakeHashes();
    m_end = writer.Written();
    m_prefix = QByteArray::fromStdString(writer.Prefix());
    m_preambleEnd = writer.PreambleEnd();
    m_headerEnd = !dialect.header ? m_preambleEnd : m_offsets.empty() ? m_end : m_offsets.front();
    m_headerHash = writer.NamesHash();
    m_widestRecord = grid.GetColumnCount();
    m_dialect = dialect;
    m_path = path;
    m_stamp = FileStamp::Of(path);
    std::uint32_t record = 0;
    for (int row = 0; row < rows; ++row)
        grid.SetRowOrigin(row, written[static_cast<std::size_t>(row)] ? ++record : 0);
    return WriteResult::Written;
}
