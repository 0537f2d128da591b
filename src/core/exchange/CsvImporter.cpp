#include "exchange/CsvImporter.h"

#include "exchange/CsvParser.h"
#include "grid/GridListCtrl.h"
#include "io/LineChunks.h"
#include "io/TextSource.h"
#include "platform/Progress.h"
#include "resources/StringTable.h"

#include <QString>

#include <algorithm>
#include <atomic>
#include <limits>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

void CCsvImporter::AddNumberedColumns(CGridListCtrl& grid, std::size_t count)
{
    const auto before = static_cast<std::size_t>(grid.GetColumnCount());
    if (count <= before)
        return;
    std::vector<std::string> names;
    names.reserve(count - before);
    for (std::size_t number = before + 1; number <= count; ++number) {
        names.push_back(QString::fromUtf8(Strings::kCsvColumnName)
                            .arg(static_cast<qulonglong>(number))
                            .toStdString());
    }
    // At the end, after every stored cell: no row is touched.
    grid.InsertColumns(grid.GetColumnCount(), names);
}

namespace {

// Where the records start and how they are written.
struct CsvLayout
{
    char separator = ',';
    bool named = false;
    CsvDialect::Quoting quoting = CsvDialect::Quoting::AsNeeded;
    std::uint64_t linesBefore = 0;
};

constexpr int kSampleLines = 50;
constexpr std::size_t kSampleBytes = 1 << 16;

bool IsBlank(std::string_view line)
{
    return line.find_first_not_of(" \t\v\f") == std::string_view::npos;
}

// The first lines from line on, joined by LF: enough to see the file's
// shape.
std::string Sample(CTextSource& source, std::string_view line, bool more)
{
    std::string sample;
    for (int lines = 0; more && lines < kSampleLines && sample.size() < kSampleBytes; ++lines) {
        sample.append(line);
        sample.push_back('\n');
        more = source.ReadLine(line);
    }
    return sample;
}

CsvLayout ReadLayout(CTextSource& source, char separator)
{
    CsvLayout layout;
    std::string_view line;
    bool more = source.ReadLine(line);
    const std::optional<char> named = more ? CsvDialects::NamedSeparator(line) : std::nullopt;
    if (named) {
        layout.separator = *named;
        layout.named = true;
        ++layout.linesBefore;
        more = source.ReadLine(line);
    }
    while (more && IsBlank(line)) {
        ++layout.linesBefore;
        more = source.ReadLine(line);
    }
    const std::string sample = Sample(source, line, more);
    if (!named)
        layout.separator = separator != 0 ? separator : CsvDialects::FindSeparator(sample);
    layout.quoting = CsvDialects::FindQuoting(sample, layout.separator);
    return layout;
}

void CreateColumns(CGridListCtrl& grid, const CsvRecord& fields, bool named)
{
    if (!named) {
        CCsvImporter::AddNumberedColumns(grid, fields.size());
        return;
    }
    std::vector<std::string> names;
    names.reserve(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i)
        names.emplace_back(fields[i]);
    grid.InsertColumns(0, names);
}

// Rows made from records, to go into the grid at once, after the columns
// the widest record needs.
struct CsvRows
{
    PackedRows rows;
    std::size_t mostFields = 0;

    // A clean record is the row's text as it stands, or the row itself.
    void Add(CsvRecord& fields, RowBuilder& row, std::uint32_t origin)
    {
        mostFields = std::max(mostFields, fields.size());
        if (fields.HoldsRow()) {
            rows.push_back(fields.TakeRow(origin));
            return;
        }
        if (fields.IsClean()) {
            rows.push_back(PackedRow::FromJoined(fields.Joined(), origin, PackedRow::Home::Block));
            return;
        }
        for (std::size_t f = 0; f < fields.size(); ++f)
            row.AddCell(fields[f]);
        rows.push_back(row.Take(origin, PackedRow::Home::Block));
    }
    void MoveInto(CGridListCtrl& grid)
    {
        CCsvImporter::AddNumberedColumns(grid, mostFields);
        grid.AppendRows(std::exchange(rows, {}));
    }
};

void NoteLayout(const CsvLayout& layout, bool withHeader, CsvFound& found)
{
    found.dialect.separator = layout.separator;
    found.dialect.sepLine = layout.named;
    found.dialect.quoting = layout.quoting;
    found.dialect.header = withHeader;
    found.firstRecordLine = layout.linesBefore;
    found.rowLines.clear();
}

} // namespace

namespace {

// Finding how far the file is read costs about what splitting a short
// record does: it is asked every so many records.
class ReportPacer
{
public:
    bool Due()
    {
        if (++m_since < kRecordsPerReport)
            return false;
        m_since = 0;
        return true;
    }

private:
    static constexpr int kRecordsPerReport = 8;
    int m_since = 0;
};

void SetUp(CCsvParser& parser, const CsvLayout& layout)
{
    parser.SetQuote('"', CCsvParser::CSV_UNQUOTE);
    parser.SetSeparator(layout.separator);
    parser.SetLineEnd('\n');
}

// Where a second thread may start reading records: the first line start
// after the middle of the text.
std::optional<qint64> PlanSplit(const CTextSource& source, int parts)
{
    if (parts < 2 || !source.SingleByteUnits())
        return std::nullopt;
    const std::vector<qint64> starts =
        CLineChunks::SplitAtLineEnds(source, source.TextStart(), source.Size(), 2);
    if (starts.size() < 3)
        return std::nullopt;
    return starts[1];
}

// The number of the line that starts at end, counted as the source counts
// lines (LF, CR LF and a lone CR each end one).
std::optional<std::uint64_t> LineAt(const CTextSource& source, qint64 end)
{
    std::uint64_t line = 0;
    CLineChunks chunks(source, source.TextStart(), end);
    std::string_view lines;
    // A chunk ends with a LF, so no CR LF pair spans two chunks.
    while (chunks.Next(lines))
        line += CLineChunks::CountLineEnds(lines);
    if (source.HadError())
        return std::nullopt;
    return line;
}

// How far before the second part's start the first reader waits for the
// second thread's line count: more than the source's reads, by which its
// position may be off.
constexpr qint64 kSplitWaitMargin = qint64{2} << 20;

// The records from a line start on, read by a thread of their own into
// rows that the first part's reader joins to its own.
struct CsvPart
{
    CsvRows rows;
    // Each row's line, counted from the part's start, when asked for.
    bool withLines = false;
    std::vector<std::uint64_t> lines;
    std::atomic<qint64> done{0};
    // The line the part starts on, once its thread has counted the lines
    // before it; the first part's reader stops there.
    static constexpr std::uint64_t kNotCounted = std::numeric_limits<std::uint64_t>::max();
    std::atomic<std::uint64_t> startLine{kNotCounted};
    // Set when the first part's reader knows the part will be dropped.
    std::atomic<bool> dropped{false};
    bool complete = false;
};

// source: opened from the part's start.
void ReadPart(CTextSource& source, const CsvLayout& layout, qint64 start, CsvPart& part)
{
    CCsvParser parser;
    SetUp(parser, layout);
    if (!parser.Open(&source))
        return;
    RowBuilder row;
    CsvRecord fields;
    fields.ReadIntoRows(true);
    ReportPacer report;
    while (parser.HasMore() && !source.NotUtf8()) {
        if (part.dropped.load(std::memory_order_relaxed))
            return;
        const std::uint64_t line = parser.LinesRead();
        parser.ReadRecord(fields);
        if (fields.empty())
            continue;
        if (part.withLines)
            part.lines.push_back(line);
        part.rows.Add(fields, row, 0);
        if (report.Due())
            part.done.store(source.Position() - start, std::memory_order_relaxed);
    }
    part.complete = !source.HadError() && !source.NotUtf8();
}

} // namespace

int CCsvImporter::PartsFor(qint64 size) const
{
    if (m_partCount > 0)
        return m_partCount;
    return size < kSmallestSplitFile
               ? 1
               : std::min(2, static_cast<int>(std::thread::hardware_concurrency()));
}

// A big file is read by two parsers at once: a second thread from the first
// line start after the middle, while this one reads up to that line. When
// this reader ends a record exactly there, with no quote left unclosed
// before, the second part's records are those it would have read, and join
// its own; otherwise this reader reads on, and the second part is dropped.
bool CCsvImporter::Read(CTextSource& source, CGridListCtrl& grid, bool withHeader, char separator,
                        CsvFound* found)
{
    if (!source.ReadAsForeignText())
        return false;
    const CsvLayout layout = ReadLayout(source, separator);
    if (found)
        NoteLayout(layout, withHeader, *found);

    CCsvParser parser;
    SetUp(parser, layout);
    parser.SetLinesBefore(static_cast<int>(layout.linesBefore));
    const std::optional<qint64> split = PlanSplit(source, PartsFor(source.Size()));
    if (!parser.Open(&source))
        return false;

    ProgressReporter progress(m_progress);
    const ScopedRedrawSuspension suspended(grid);
    CsvPart second;
    second.withLines = found != nullptr;
    CTextSource secondSource;
    std::jthread secondReader;
    // The second thread counts the lines before its part first: this one,
    // which also fills the grid, has more to do.
    if (split && secondSource.OpenFrom(source, *split))
        secondReader = std::jthread([&] {
            const std::optional<std::uint64_t> line = LineAt(source, *split);
            // A count that failed lets the first reader read on alone.
            second.startLine.store(line.value_or(0), std::memory_order_release);
            second.startLine.notify_one();
            if (line)
                ReadPart(secondSource, layout, *split, second);
        });
    bool first = true;
    RowBuilder row;
    CsvRecord fields;
    fields.ReadIntoRows(true);
    CsvRows rows;
    // Up to the second part's start, or to the end. Within a read of the
    // split this reader waits for the count (long done in a big file).
    const auto secondStart = [&] {
        const std::uint64_t line = second.startLine.load(std::memory_order_acquire);
        if (line != CsvPart::kNotCounted || source.Position() + kSplitWaitMargin < *split)
            return line;
        second.startLine.wait(CsvPart::kNotCounted, std::memory_order_acquire);
        return second.startLine.load(std::memory_order_acquire);
    };
    ReportPacer report;
    const auto readRecords = [&](bool toSecondPart) {
        while (parser.HasMore() && !source.NotUtf8() && !progress.Stopped() &&
               (!toSecondPart || parser.LinesRead() < secondStart())) {
            const std::uint64_t line = parser.LinesRead();
            parser.ReadRecord(fields);
            if (first) {
                first = false;
                CreateColumns(grid, fields, withHeader);
                if (withHeader)
                    continue;
            }
            if (fields.empty())
                continue;
            std::uint32_t origin = 0;
            if (found) {
                found->rowLines.push_back(line);
                origin = static_cast<std::uint32_t>(found->rowLines.size());
            }
            rows.Add(fields, row, origin);
            if (report.Due())
                progress.Update(source.Position() + second.done.load(std::memory_order_relaxed),
                                source.Size());
            if (parser.UnclosedSeen() || progress.Stopped())
                second.dropped.store(true, std::memory_order_relaxed);
        }
    };
    const auto readAlone = [&] {
        readRecords(false);
        rows.MoveInto(grid);
        return !source.HadError() && !progress.Stopped();
    };
    if (!secondReader.joinable())
        return readAlone();
    readRecords(true);
    if (progress.Stopped())
        return false;
    // Into the grid while the second thread may still be reading: reading
    // on alone adds its rows after them. The grid has room for about as
    // many again, made now rather than when the second part's rows join.
    rows.rows.reserve(rows.rows.size() * 2 + rows.rows.size() / 8);
    rows.MoveInto(grid);
    secondReader.join();
    const std::uint64_t secondLine = second.startLine.load();
    if (first || parser.LinesRead() != secondLine || parser.UnclosedSeen() || !second.complete) {
        // The second part is dropped: the progress counts this reader's
        // bytes alone, not past 100%.
        second.done.store(0, std::memory_order_relaxed);
        return readAlone();
    }
    if (found) {
        PackedRows& secondRows = second.rows.rows;
        for (std::size_t k = 0; k < secondRows.size(); ++k) {
            found->rowLines.push_back(secondLine + second.lines[k]);
            secondRows[k].SetOrigin(static_cast<std::uint32_t>(found->rowLines.size()));
        }
    }
    second.rows.MoveInto(grid);
    return !source.HadError();
}
