#include "edit/SearchCommands.h"

#include "document/TablewrightDoc.h"
#include "edit/RowContentCommand.h"
#include "edit/RowFilter.h"
#include "grid/CellText.h"
#include "grid/GridListCtrl.h"
#include "platform/Progress.h"
#include "platform/UserPrompt.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <functional>
#include <thread>
#include <vector>

namespace GridCommands {

namespace {

void TellNotFound(CTablewrightDoc& doc)
{
    doc.Prompt().MessageBox(QString::fromUtf8(Strings::kNotFound), IUserPrompt::Buttons::Ok,
                            IUserPrompt::Icon::Information);
}

// A pattern that does not compile, or that a cell took past its limit of
// work: the user is told why, and the search changes nothing.
bool TellFailure(CTablewrightDoc& doc, const CTextMatcher& matcher)
{
    if (!matcher.Failed())
        return false;
    doc.Prompt().MessageBox(matcher.Failure(), IUserPrompt::Buttons::Ok,
                            IUserPrompt::Icon::Warning);
    return true;
}

// Under a filter only the rows shown are searched.
int FindRow(const CGridListCtrl& grid, const CTextMatcher& matcher, int start)
{
    const CShownRows& shown = grid.Shown();
    for (int at = shown.FirstShownFrom(start); at < shown.Count(); ++at) {
        const int row = shown.ListRow(at);
        if (RowMatches(grid, row, matcher))
            return row;
        if (matcher.Failed())
            return -1;
    }
    return -1;
}

// What a replacement makes of one row: whether a cell matched, and the
// row's new content when a text changed.
struct RowReplacement
{
    bool matched = false;
    bool changed = false;
    PackedRow packed;
};

// Replaces in one row after another. The buffers are kept from row to row,
// so that a row costs no allocation but that of its new content.
struct RowReplacer
{
    const CGridListCtrl& grid;
    const CTextMatcher& matcher;
    std::string_view replacement;
    RowBuilder builder;
    std::string replaced;

    RowReplacement Replace(int row);
};

// A replace-all may change millions of rows: they go into row blocks.
RowReplacement RowReplacer::Replace(int row)
{
    RowReplacement result;
    const std::string_view joined = grid.JoinedRowView(row);
    switch (matcher.ReplaceInRow(joined, grid.GetColumnCount(), replacement, replaced)) {
    case CTextMatcher::RowReplace::NotFound:
        return result;
    case CTextMatcher::RowReplace::Replaced:
        result.matched = true;
        result.changed = replaced != joined;
        if (result.changed)
            result.packed = PackedRow::FromJoined(replaced, 0, PackedRow::Home::Block);
        return result;
    case CTextMatcher::RowReplace::CellByCell:
        break;
    }
    // Most rows of a big list hold no match, which the whole row tells.
    if (!matcher.MatchesJoined(joined, grid.GetColumnCount()))
        return result;
    const bool ascii = matcher.AsciiFinderFits(joined);
    CellCursor cursor(joined);
    for (int column = 0; column < grid.GetColumnCount(); ++column) {
        const std::string_view cell = cursor.Next();
        const bool matched = ascii ? matcher.ReplaceAscii(cell, replacement, replaced)
                                   : matcher.Replace(cell, replacement, replaced);
        result.matched = result.matched || matched;
        const bool differs = matched && replaced != cell;
        // Most rows stay as they are: a row is rebuilt from its first change.
        if (differs && !result.changed) {
            result.changed = true;
            CellCursor before(joined);
            for (int earlier = 0; earlier < column; ++earlier)
                builder.AddCleanCell(before.Next());
        }
        if (result.changed)
            builder.AddCleanCell(differs ? std::string_view(replaced) : cell);
    }
    if (result.changed)
        result.packed = builder.Take(0, PackedRow::Home::Block);
    return result;
}

} // namespace

bool FindText(CTablewrightDoc& doc, const FindRequest& request)
{
    CGridListCtrl& grid = doc.GetGrid();
    const CTextMatcher matcher(request.text, request.matchCase, request.wholeCell, request.regex);
    if (TellFailure(doc, matcher))
        return false;
    const int start = request.fromCurrent ? std::max(grid.Cursor().CurrentRow() + 1, 0) : 0;
    int found = FindRow(grid, matcher, start);
    if (found < 0 && start != 0)
        found = FindRow(grid, matcher, 0);
    if (TellFailure(doc, matcher))
        return false;
    if (found < 0) {
        TellNotFound(doc);
        return false;
    }
    grid.Cursor().SetCurrent(found, 0);
    grid.EnsureVisible(found, false);
    return true;
}

namespace {

// What one thread made of a stretch of the rows shown.
struct ReplacedStretch
{
    std::vector<CGridListCtrl::RowExchange> changed;
    std::size_t oldBytes = 0;
    bool matched = false;
    QString failure;
};

// Replaces in the rows shown at positions first..last-1, with a matcher of
// its own (a matcher keeps scratch buffers). The thread that reports the
// progress takes the first stretch, of parts.
void ReplaceStretch(const CGridListCtrl& grid, const ReplaceRequest& request,
                    std::string_view replacement, int first, int last, ReplacedStretch& out,
                    ProgressReporter* progress, int parts)
{
    const CTextMatcher matcher(request.text, request.matchCase, request.wholeCell, request.regex);
    RowReplacer replacer{grid, matcher, replacement, {}, {}};
    const CShownRows& shown = grid.Shown();
    const int rows = shown.Count();
    for (int at = first; at < last; ++at) {
        const int row = shown.ListRow(at);
        RowReplacement result = replacer.Replace(row);
        if (matcher.Failed()) {
            out.failure = matcher.Failure();
            return;
        }
        out.matched = out.matched || result.matched;
        if (result.changed) {
            out.oldBytes += grid.JoinedRowView(row).size();
            out.changed.push_back({row, std::move(result.packed)});
        }
        if (progress)
            progress->Update(static_cast<long long>(at + 1 - first) * parts, rows - 1);
    }
}

// Below this many rows one thread replaces them all.
constexpr int kRowsPerThread = 50'000;

} // namespace

// The rows shown are cut into stretches replaced at once, one thread each,
// whose changes join in order: the list and its step are those one thread
// makes.
void ReplaceAll(CTablewrightDoc& doc, const ReplaceRequest& request)
{
    CGridListCtrl& grid = doc.GetGrid();
    const CTextMatcher matcher(request.text, request.matchCase, request.wholeCell, request.regex);
    if (TellFailure(doc, matcher))
        return;
    ProgressReporter progress(doc.Progress());
    const int rows = grid.Shown().Count();
    if (rows == 0) {
        TellNotFound(doc);
        return;
    }
    const std::string replacement = CellText::Clean(request.replacement);
    const int cores = static_cast<int>(std::thread::hardware_concurrency());
    const int parts = std::clamp(std::min(cores, rows / kRowsPerThread), 1, 8);
    std::vector<ReplacedStretch> stretches(static_cast<std::size_t>(parts));
    {
        std::vector<std::jthread> threads;
        for (int k = 1; k < parts; ++k)
            threads.emplace_back(ReplaceStretch, std::cref(grid), std::cref(request),
                                 std::string_view(replacement), rows * k / parts,
                                 rows * (k + 1) / parts, std::ref(stretches[k]), nullptr, parts);
        ReplaceStretch(grid, request, replacement, 0, rows / parts, stretches.front(), &progress,
                       parts);
    }
    bool matched = false;
    std::size_t oldBytes = 0;
    std::vector<CGridListCtrl::RowExchange> changed;
    for (ReplacedStretch& stretch : stretches) {
        if (!stretch.failure.isEmpty()) {
            doc.Prompt().MessageBox(stretch.failure, IUserPrompt::Buttons::Ok,
                                    IUserPrompt::Icon::Warning);
            return;
        }
        matched = matched || stretch.matched;
        oldBytes += stretch.oldBytes;
        if (changed.empty())
            changed = std::move(stretch.changed);
        else
            changed.insert(changed.end(), std::make_move_iterator(stretch.changed.begin()),
                           std::make_move_iterator(stretch.changed.end()));
    }
    if (!matched)
        TellNotFound(doc);
    else if (changed.empty())
        doc.MarkChangedWithoutStep();
    else
        doc.Execute(std::make_unique<CRowContentCommand>(
            QString::fromUtf8(Strings::kReplaceAllButton), std::move(changed), oldBytes,
            CRowContentCommand::Focus::StayThenFirstRow));
}

} // namespace GridCommands
