#include "document/ListReader.h"

#include "document/GetToken.h"
#include "document/ListFields.h"
#include "document/Version.h"
#include "grid/CellText.h"
#include "grid/GridListCtrl.h"
#include "io/LineChunks.h"
#include "io/TextSource.h"
#include "platform/Progress.h"
#include "platform/UserPrompt.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <iterator>
#include <memory>
#include <thread>

bool CListReader::IsList(CTextSource& source)
{
    char first = 0;
    return !source.PeekFirstByte(first) || first == 'V';
}

bool CListReader::StartsWithVersion(CTextSource& source)
{
    std::string_view line;
    return source.ReadLine(line) && line.size() > 2 && line.starts_with("V\t") && line[2] >= '0' &&
           line[2] <= '9';
}

bool CListReader::Read(CTextSource& source, CGridListCtrl& grid)
{
    ProgressReporter progress(m_progress);
    const ScopedRedrawSuspension suspended(grid);
    std::vector<ListPart> parts;
    bool complete = true;
    PartsRead read = PartsRead::NotUtf8;
    if (source.FoundEncoding() == TextEncoding::Utf8)
        read = ReadParts(source, parts, progress);
    if (read == PartsRead::NotUtf8) {
        parts.clear();
        parts.resize(1);
        complete = source.ReadAsWindows1252() && ReadLines(source, parts.front(), progress);
    }
    Join(parts, grid);
    // One empty row ends every list, but only one: a list saved and opened
    // again and again must not grow.
    const int rows = grid.GetItemCount();
    if (rows == 0 || !grid.JoinedRowView(rows - 1).empty())
        grid.InsertItem(rows, {});
    return complete && read != PartsRead::Failed && !source.HadError();
}

int CListReader::PartsFor(qint64 size, int partCount)
{
    if (partCount > 0)
        return partCount;
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    return size < kSmallestSplitFile ? 1 : std::clamp(cores, 1, 8);
}

CListReader::PartsRead CListReader::ReadParts(CTextSource& source, std::vector<ListPart>& parts,
                                              ProgressReporter& progress)
{
    const std::vector<qint64> starts = CLineChunks::SplitAtLineEnds(
        source, source.TextStart(), source.Size(), PartsFor(source.Size(), m_partCount));
    const std::size_t count = starts.size() - 1;
    parts.clear();
    parts.resize(count);
    std::vector<std::unique_ptr<CLineChunks>> chunks;
    for (std::size_t k = 0; k < count; ++k)
        chunks.push_back(std::make_unique<CLineChunks>(source, starts[k], starts[k + 1]));
    const bool checkUtf8 = source.Utf8Unchecked();
    // Set when a part is not UTF-8 or the user asks to stop: every part
    // stops at its next chunk.
    std::atomic<bool> halt{false};
    std::atomic<bool> notUtf8{false};
    std::atomic<std::size_t> running{count};
    // Done() counts a chunk once it is handed out; within the chunk the
    // first part counts its lines.
    qint64 chunkStart = 0;
    const auto reportProgress = [&](std::size_t doneInChunk) {
        qint64 done = static_cast<qint64>(doneInChunk) - chunkStart;
        for (const auto& chunk : chunks)
            done += chunk->Done();
        progress.Update(done, source.Size());
        if (progress.Stopped())
            halt.store(true, std::memory_order_relaxed);
    };
    const std::function<void(std::size_t)> afterLine = reportProgress;
    const auto parse = [&](std::size_t k, bool reporting) {
        std::string_view lines;
        while (!halt.load(std::memory_order_relaxed) && chunks[k]->Next(lines)) {
            if (checkUtf8 && !CellText::IsValidUtf8(lines)) {
                notUtf8.store(true, std::memory_order_relaxed);
                halt.store(true, std::memory_order_relaxed);
                break;
            }
            if (reporting)
                chunkStart = static_cast<qint64>(lines.size());
            ParseListLines(lines, parts[k], reporting ? afterLine : nullptr);
        }
        running.fetch_sub(1, std::memory_order_release);
    };
    std::vector<std::jthread> threads;
    for (std::size_t k = 1; k < count; ++k)
        threads.emplace_back(parse, k, false);
    parse(0, true);
    // The parts are of about the same size: the first makes room for the
    // others' rows while they may still be read, so that joining them does
    // not grow the grid.
    if (PackedRows& firstRows = parts.front().rows; count > 1)
        firstRows.reserve(firstRows.size() * count + firstRows.size() / 8);
    chunkStart = 0;
    // The other parts may take longer: the progress goes on meanwhile.
    while (running.load(std::memory_order_acquire) > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        reportProgress(0);
    }
    threads.clear();
    if (notUtf8.load()) {
        parts.clear();
        return PartsRead::NotUtf8;
    }
    if (progress.Stopped())
        return PartsRead::Failed;
    source.ConfirmUtf8();
    return source.HadError() ? PartsRead::Failed : PartsRead::Whole;
}

bool CListReader::ReadLines(CTextSource& source, ListPart& part, ProgressReporter& progress)
{
    std::string_view line;
    while (!progress.Stopped() && source.ReadLine(line)) {
        ParseListLine(line, part);
        progress.Update(source.Position(), source.Size());
    }
    return !source.HadError() && !progress.Stopped();
}

// The parts' rows go into the grid in order, then their other records are
// read as if met among them: a names record inserts its columns in front,
// and the rows of each run keep no more cells than there were columns when
// they were read.
void CListReader::Join(std::vector<ListPart>& parts, CGridListCtrl& grid)
{
    m_lateNames.clear();
    for (ListPart& part : parts) {
        const auto base = static_cast<std::size_t>(grid.GetItemCount());
        const std::size_t rows = part.rows.size();
        grid.AppendRows(std::move(part.rows));
        std::size_t run = 0;
        std::size_t runStart = 0;
        const auto endRun = [&](std::size_t end) {
            if (part.mostCells[run] > grid.GetColumnCount())
                grid.KeepCells(static_cast<int>(base + runStart), static_cast<int>(base + end) - 1,
                               grid.GetColumnCount());
        };
        for (const ListPart::Record& record : part.records) {
            switch (record.line.front()) {
            case 'V':
                ReadVersion(record.line);
                break;
            case 'H':
                endRun(record.rowsBefore);
                ++run;
                runStart = record.rowsBefore;
                ReadNames(record.line, base + record.rowsBefore, grid);
                break;
            case 'W':
                ReadWidths(record.line, grid);
                break;
            default:
                break;
            }
        }
        endRun(rows);
    }
    ShiftCellsUnderLateNames(grid);
}

void CListReader::ReadVersion(std::string_view line)
{
    const auto version = static_cast<float>(ListFields::DecodeBareNumber(GetToken(line, 1, "\t")));
    if (version > kProgramVersion)
        m_prompt.MessageBox(QString::fromUtf8(Strings::kNewerVersionWarning),
                            IUserPrompt::Buttons::Ok, IUserPrompt::Icon::None);
}

void CListReader::ReadNames(std::string_view line, std::size_t rowsBefore, CGridListCtrl& grid)
{
    CTokenSplitter fields(line, '\t');
    std::string_view field;
    fields.Next(field);
    // Field k goes to column k-1, before the columns already there. The
    // cells of the rows read so far move right under their columns once, at
    // the end: moving them at each record would make a list of many records
    // of names cost the square of its length.
    std::vector<std::string> names;
    while (fields.Next(field))
        names.emplace_back(ListFields::DecodeText(field, m_scratch));
    if (names.empty())
        return;
    if (rowsBefore > 0)
        m_lateNames.push_back({static_cast<int>(rowsBefore), static_cast<int>(names.size())});
    grid.InsertColumns(0, names, kDefaultColumnWidth, CGridListCtrl::CellMove::Later);
}

// Rows read before a names record get its columns in front of their cells,
// and those of every later names record: each row moves once, by the sum.
void CListReader::ShiftCellsUnderLateNames(CGridListCtrl& grid) const
{
    int shift = 0;
    for (auto late = m_lateNames.rbegin(); late != m_lateNames.rend(); ++late) {
        shift += late->columns;
        const int first = std::next(late) == m_lateNames.rend() ? 0 : std::next(late)->rows;
        grid.ShiftCellsRight(first, late->rows - 1, shift);
    }
}

void CListReader::ReadWidths(std::string_view line, CGridListCtrl& grid)
{
    CTokenSplitter fields(line, '\t');
    std::string_view field;
    fields.Next(field);
    for (int column = 0; fields.Next(field); ++column)
        grid.SetColumnWidth(column, static_cast<int>(ListFields::DecodeNumber(field) & 0xFFFF));
}
