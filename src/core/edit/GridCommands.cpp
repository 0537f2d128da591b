#include "edit/GridCommands.h"

#include "document/TablewrightDoc.h"
#include "edit/CellCommands.h"
#include "edit/ColumnCommands.h"
#include "edit/CommandSequence.h"
#include "edit/NumberText.h"
#include "edit/RowCommands.h"
#include "edit/SortCommand.h"
#include "grid/CellText.h"
#include "grid/GridListCtrl.h"
#include "platform/UserPrompt.h"
#include "resources/StringTable.h"

#include <algorithm>

namespace GridCommands {

namespace {

bool ValidColumn(const CGridListCtrl& grid, int column)
{
    return column >= 0 && column < grid.GetColumnCount();
}

bool HasCurrentCell(const CGridListCtrl& grid)
{
    return grid.Cursor().HasCurrentCell();
}

void StoreInCurrentCell(CTablewrightDoc& doc, std::string_view text, CSetCellCommand::Kind kind)
{
    CGridListCtrl& grid = doc.GetGrid();
    if (!HasCurrentCell(grid)) {
        doc.DropRowsAppendedForEdit();
        doc.MarkChangedWithoutStep();
        return;
    }
    std::unique_ptr<CEditCommand> appended = doc.TakeRowsAppendedForEdit();
    const GridCell cell = grid.Cursor().Current();
    auto store = std::make_unique<CSetCellCommand>(grid, cell.row, cell.column, text, kind);
    if (!appended) {
        if (store->ChangesNothing())
            store.reset();
        Perform(doc, std::move(store));
        return;
    }
    const QString name = store->Name();
    std::vector<std::unique_ptr<CEditCommand>> steps;
    steps.push_back(std::move(appended));
    steps.push_back(std::move(store));
    doc.Execute(std::make_unique<CCommandSequence>(std::move(steps), name));
}

} // namespace

void Perform(CTablewrightDoc& doc, std::unique_ptr<CEditCommand> command)
{
    if (command)
        doc.Execute(std::move(command));
    else
        doc.MarkChangedWithoutStep();
}

void PrepareForDocument(CGridListCtrl& grid, bool loaded)
{
    if (!loaded) {
        constexpr const char* kDefaultColumns[] = {"A", "B", "C", "D"};
        for (int i = 0; i < 4; ++i)
            grid.InsertColumn(i, kDefaultColumns[i], kDefaultColumnWidth);
    }
    grid.Cursor().SetCurrent(-1, -1);
}

bool ForgetVanishedCurrentCell(CGridListCtrl& grid)
{
    return grid.Cursor().ForgetVanished();
}

QString CurrentCellText(const CGridListCtrl& grid)
{
    const GridCell current = grid.Cursor().Current();
    if (current.row == -1 || current.column == -1)
        return {};
    QString text = QStringLiteral("%1 %2, %3 %4")
                       .arg(QString::fromUtf8(Strings::kRow))
                       .arg(current.row + 1)
                       .arg(QString::fromUtf8(Strings::kColumn))
                       .arg(current.column + 1);
    // Under a filter a range counts the rows it shows.
    if (grid.Cursor().HasRange()) {
        const CellRange range = grid.Cursor().Range();
        const CShownRows& shown = grid.Shown();
        const int rows = shown.FirstShownFrom(range.bottom + 1) - shown.FirstShownFrom(range.top);
        text += QStringLiteral(" (%1 × %2)").arg(rows).arg(range.ColumnCount());
    }
    return text;
}

void CommitCell(CTablewrightDoc& doc, std::string_view text)
{
    StoreInCurrentCell(doc, text, CSetCellCommand::Kind::Modify);
}

void ClearCurrentCell(CTablewrightDoc& doc)
{
    StoreInCurrentCell(doc, {}, CSetCellCommand::Kind::Clear);
}

std::string CurrentCellContent(const CGridListCtrl& grid)
{
    const GridCell cell = grid.Cursor().Current();
    return HasCurrentCell(grid) ? grid.GetItemText(cell.row, cell.column) : std::string();
}

void CutCurrentCell(CTablewrightDoc& doc)
{
    StoreInCurrentCell(doc, {}, CSetCellCommand::Kind::Cut);
}

void PasteIntoCurrentCell(CTablewrightDoc& doc, std::string_view text)
{
    StoreInCurrentCell(doc, text, CSetCellCommand::Kind::Paste);
}

QString RowsShownText(const CGridListCtrl& grid)
{
    if (!grid.Shown().IsFiltering())
        return {};
    const int shown = grid.Shown().Count();
    const char* text = shown <= 1 ? Strings::kRowsShownOne : Strings::kRowsShownMany;
    return QString::fromUtf8(text).arg(FrenchNumber(shown, 0),
                                       FrenchNumber(grid.GetItemCount(), 0));
}

// Past the last column, the next row shown; past the last row shown, a
// row appended at the end of the list.
Cell TabTarget(const CGridListCtrl& grid)
{
    const GridCell current = grid.Cursor().Current();
    if (current.column + 1 < grid.GetColumnCount())
        return {current.row, current.column + 1};
    const CShownRows& shown = grid.Shown();
    const int next = shown.ListRow(shown.FirstShownFrom(current.row + 1));
    return {next >= 0 ? next : grid.GetItemCount(), 0};
}

Cell ArrowTarget(const CGridListCtrl& grid, Arrow arrow)
{
    constexpr Move kMoves[] = {Move::Left, Move::Up, Move::Right, Move::Down};
    return MoveTarget(grid, kMoves[static_cast<int>(arrow)], 1);
}

// Rows are counted among those shown: under a filter the cursor steps from
// one row shown to the next.
Cell MoveTarget(const CGridListCtrl& grid, Move move, int pageRows)
{
    const CShownRows& shown = grid.Shown();
    const int lastShown = shown.Count() - 1;
    const int lastColumn = grid.GetColumnCount() - 1;
    if (lastShown < 0 || lastColumn < 0)
        return {};
    // With no cell current, a move starts from the first cell of the
    // cursor's row, or of the first row shown when the cursor has none.
    if (!HasCurrentCell(grid))
        return {shown.NearestShown(grid.Cursor().CurrentRow()), 0};
    int column = grid.Cursor().CurrentColumn();
    int at = std::min(shown.FirstShownFrom(grid.Cursor().CurrentRow()), lastShown);
    pageRows = std::max(pageRows, 1);
    switch (move) {
    case Move::Left:
        column = std::max(column - 1, 0);
        break;
    case Move::Right:
        column = std::min(column + 1, lastColumn);
        break;
    case Move::Up:
        at = std::max(at - 1, 0);
        break;
    case Move::Down:
        at = std::min(at + 1, lastShown);
        break;
    case Move::PageUp:
        at = std::max(at - pageRows, 0);
        break;
    case Move::PageDown:
        at = std::min(at + pageRows, lastShown);
        break;
    case Move::RowStart:
        column = 0;
        break;
    case Move::RowEnd:
        column = lastColumn;
        break;
    case Move::First:
        at = 0;
        column = 0;
        break;
    case Move::Last:
        at = lastShown;
        column = lastColumn;
        break;
    }
    return {shown.ListRow(at), column};
}

void MoveCursor(CGridListCtrl& grid, Move move, int pageRows, Extend extend)
{
    const Cell target = MoveTarget(grid, move, pageRows);
    if (target.row < 0)
        return;
    if (extend == Extend::Range)
        grid.Cursor().ExtendTo(target.row, target.column);
    else
        grid.Cursor().SetCurrent(target.row, target.column);
}

void AppendRowsUpTo(CTablewrightDoc& doc, int row)
{
    const int missing = row - (doc.GetGrid().GetItemCount() - 1);
    if (missing > 0)
        doc.AppendRowsForEdit(missing);
}

void StartFirstRow(CTablewrightDoc& doc)
{
    CGridListCtrl& grid = doc.GetGrid();
    if (grid.GetItemCount() > 0 || grid.GetColumnCount() == 0)
        return;
    AppendRowsUpTo(doc, 0);
    grid.Cursor().SetCurrent(
        0, std::clamp(grid.Cursor().CurrentColumn(), 0, grid.GetColumnCount() - 1));
}

// As many rows as the range shows go in at once, above its first row shown
// or below its last, so that a spreadsheet user's "insert 3 rows" is one
// step; the first new row becomes current.
void InsertRow(CTablewrightDoc& doc, RowPlace place)
{
    const CGridListCtrl& grid = doc.GetGrid();
    const CellRange range = grid.Cursor().Range();
    const std::vector<int> rows = grid.Shown().RowsIn(range.top, range.bottom);
    if (range.IsEmpty() || rows.empty())
        return;
    const int at = place == RowPlace::Above ? rows.front() : rows.back() + 1;
    doc.Execute(std::make_unique<CInsertRowCommand>(at, static_cast<int>(rows.size())));
}

// The row that takes the deleted one's place becomes current; after the
// last row, the new last row does, and with no row left no cell is current.
// A range of several cells deletes every row it touches, of those shown
// under a filter.
void DeleteRow(CTablewrightDoc& doc)
{
    CGridListCtrl& grid = doc.GetGrid();
    if (grid.Cursor().HasRange()) {
        const CellRange range = grid.Cursor().Range();
        std::vector<int> rows = grid.Shown().RowsIn(range.top, range.bottom);
        if (rows.empty())
            return;
        const auto count = static_cast<int>(rows.size());
        if (rows.back() - rows.front() + 1 == count)
            doc.Execute(std::make_unique<CDeleteRowCommand>(grid, rows.front(), count));
        else
            doc.Execute(std::make_unique<CDeleteRowSetCommand>(grid, std::move(rows)));
        return;
    }
    const int current = grid.Cursor().CurrentRow();
    if (current < 0)
        return;
    doc.Execute(std::make_unique<CDeleteRowCommand>(grid, current));
}

// The current cell goes with the moved row; a row that cannot go further
// stays, and no step is made.
void MoveRow(CTablewrightDoc& doc, RowMove move)
{
    CGridListCtrl& grid = doc.GetGrid();
    const int current = grid.Cursor().CurrentRow();
    if (current < 0)
        return;
    // The row passes the row shown next to it (under a filter, so that it
    // moves where the user sees it); with none, it stays.
    const CShownRows& shown = grid.Shown();
    const int at = shown.FirstShownFrom(current);
    const int neighbour = shown.ListRow(move == RowMove::Up ? at - 1 : at + 1);
    const int to = neighbour < 0 ? -1 : move == RowMove::Up ? neighbour : neighbour + 1;
    Perform(doc, CMoveRowCommand::Create(grid, current, to));
}

void RenameColumn(CTablewrightDoc& doc, int column, const QString& name)
{
    CGridListCtrl& grid = doc.GetGrid();
    if (!ValidColumn(grid, column))
        return;
    const QByteArray utf8 = name.toUtf8();
    const std::string clean = CellText::Clean(std::string_view(utf8.constData(), utf8.size()));
    const std::string_view kept = CellText::Utf8Prefix(clean, kMaxColumnNameLength);
    std::unique_ptr<CEditCommand> command;
    if (kept != grid.GetColumnName(column))
        command = std::make_unique<CRenameColumnCommand>(grid, column, kept);
    Perform(doc, std::move(command));
}

void InsertColumn(CTablewrightDoc& doc, int column, ColumnPlace place)
{
    if (doc.GetGrid().GetColumnCount() == 0) {
        doc.Execute(std::make_unique<CInsertColumnCommand>(0));
        return;
    }
    if (!ValidColumn(doc.GetGrid(), column))
        return;
    doc.Execute(
        std::make_unique<CInsertColumnCommand>(place == ColumnPlace::Before ? column : column + 1));
}

bool DeleteColumn(CTablewrightDoc& doc, int column)
{
    CGridListCtrl& grid = doc.GetGrid();
    if (!ValidColumn(grid, column))
        return false;
    const QString question = QString::fromUtf8(Strings::kDeleteColumnQuestion)
                                 .arg(QString::fromStdString(grid.GetColumnName(column)));
    if (doc.Prompt().Ask(IUserPrompt::Question::DeleteColumn, question) != IUserPrompt::Answer::Yes)
        return false;
    auto deletion = std::make_unique<CDeleteColumnCommand>(column);
    // Rows with no column left to hold a cell go with the last column.
    if (grid.GetColumnCount() == 1 && grid.GetItemCount() > 0) {
        std::vector<std::unique_ptr<CEditCommand>> steps;
        steps.push_back(std::move(deletion));
        steps.push_back(std::make_unique<CDeleteEmptyRowsCommand>(grid.GetItemCount()));
        doc.Execute(std::make_unique<CCommandSequence>(std::move(steps)));
    } else {
        doc.Execute(std::move(deletion));
    }
    return true;
}

void ResizeColumns(CTablewrightDoc& doc, const std::vector<int>& widths)
{
    const CGridListCtrl& grid = doc.GetGrid();
    std::vector<CResizeColumnsCommand::Width> changed;
    const int columns = std::min(grid.GetColumnCount(), static_cast<int>(widths.size()));
    for (int column = 0; column < columns; ++column) {
        const int width = std::max(widths[column], 0);
        if (width != grid.GetColumnWidth(column))
            changed.push_back({column, grid.GetColumnWidth(column), width});
    }
    if (!changed.empty())
        doc.Execute(std::make_unique<CResizeColumnsCommand>(std::move(changed)));
}

void ReorderColumns(CTablewrightDoc& doc, const std::vector<int>& order)
{
    Perform(doc, CReorderColumnsCommand::Create(doc.GetGrid(), order));
}

} // namespace GridCommands

bool SortState::Click(int clicked)
{
    ascending = clicked == column ? !ascending : true;
    column = clicked;
    return ascending;
}

namespace GridCommands {

void SortByColumn(CTablewrightDoc& doc, int column, bool ascending)
{
    Perform(doc, CSortRowsCommand::Create(doc.GetGrid(), column, ascending));
}

void SortByKeys(CTablewrightDoc& doc, const std::vector<SortKey>& keys)
{
    Perform(doc, CSortRowsCommand::Create(doc.GetGrid(), keys));
}

void SortByHeaderClick(CTablewrightDoc& doc, int column)
{
    SortByColumn(doc, column, doc.HeaderSort().Click(column));
}

} // namespace GridCommands
