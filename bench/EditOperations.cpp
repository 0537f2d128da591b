#include "EditOperations.h"

#include "BenchFiles.h"
#include "ScriptedHost.h"

#include "edit/ColumnCommands.h"
#include "edit/EditHistory.h"
#include "edit/GridCommands.h"
#include "edit/RowCommands.h"
#include "edit/SortCommand.h"
#include "edit/SortRows.h"

#include <functional>
#include <memory>
#include <string>

namespace EditOperations {

namespace {

using MakeCommand = std::function<std::unique_ptr<CEditCommand>(const CGridListCtrl&)>;

enum class Step
{
    Undo,
    Redo
};

// Opens the generated list and pushes the command made by make; then times
// its undo, or its redo after an untimed undo.
Measurement TimeStep(const BenchFiles& files, const MakeCommand& make, Step step)
{
    BenchDocument list;
    OpenGeneratedList(list, files);
    CGridListCtrl& grid = list.Grid();
    CEditHistory history;
    std::unique_ptr<CEditCommand> command = make(grid);
    Require(command != nullptr, "the edit cannot be made on this list");
    Require(history.Push(std::move(command), grid), "the edit cannot be applied");
    if (step == Step::Redo)
        (void)history.Undo(grid);
    const RssWatch rss;
    const Stopwatch watch;
    const bool done = (step == Step::Undo ? history.Undo(grid) : history.Redo(grid)) ==
                      CEditHistory::Outcome::Done;
    const double seconds = watch.Seconds();
    Require(done, "the step could not be taken");
    return {static_cast<long long>(history.Bytes()), seconds, rss.ExtraMb()};
}

std::unique_ptr<CEditCommand> DeleteFirstColumn(const CGridListCtrl&)
{
    return std::make_unique<CDeleteColumnCommand>(0);
}

// The first row to the end: the whole row array shifts both ways.
std::unique_ptr<CEditCommand> MoveFirstRowToEnd(const CGridListCtrl& grid)
{
    return CMoveRowCommand::Create(grid, 0, grid.GetItemCount());
}

std::unique_ptr<CEditCommand> SortFirstColumn(const CGridListCtrl& grid)
{
    return CSortRowsCommand::Create(grid, 0, true);
}

// Opens the generated list, readies it untimed, then times a click on the
// first column's header as the view passes it to the document.
Measurement TimeHeaderClick(const BenchFiles& files, void (*ready)(CGridListCtrl&))
{
    BenchDocument list;
    OpenGeneratedList(list, files);
    ready(list.Grid());
    const RssWatch rss;
    const Stopwatch watch;
    GridCommands::SortByColumn(list.doc, 0, true);
    const double seconds = watch.Seconds();
    return {static_cast<long long>(list.doc.History().Bytes()), seconds, rss.ExtraMb()};
}

} // namespace

Measurement Sort(const BenchFiles& files)
{
    return TimeHeaderClick(files, [](CGridListCtrl&) {});
}

Measurement SortSorted(const BenchFiles& files)
{
    return TimeHeaderClick(files, [](CGridListCtrl& grid) { SortRows(grid, 0, true, 0, -1); });
}

Measurement SortEqual(const BenchFiles& files)
{
    return TimeHeaderClick(files, [](CGridListCtrl& grid) {
        for (int row = 0; row < grid.GetItemCount(); ++row)
            grid.SetItemText(row, 0, "Saint-Étienne");
    });
}

Measurement UndoSort(const BenchFiles& files)
{
    return TimeStep(files, SortFirstColumn, Step::Undo);
}

Measurement RedoSort(const BenchFiles& files)
{
    return TimeStep(files, SortFirstColumn, Step::Redo);
}

Measurement UndoDeleteColumn(const BenchFiles& files)
{
    return TimeStep(files, DeleteFirstColumn, Step::Undo);
}

Measurement RedoDeleteColumn(const BenchFiles& files)
{
    return TimeStep(files, DeleteFirstColumn, Step::Redo);
}

Measurement UndoMoveRow(const BenchFiles& files)
{
    return TimeStep(files, MoveFirstRowToEnd, Step::Undo);
}

Measurement RedoMoveRow(const BenchFiles& files)
{
    return TimeStep(files, MoveFirstRowToEnd, Step::Redo);
}

} // namespace EditOperations
