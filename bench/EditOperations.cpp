#include "EditOperations.h"

#include "BenchFiles.h"
#include "ScriptedHost.h"

#include "edit/ColumnCommands.h"
#include "edit/EditHistory.h"
#include "edit/RowCommands.h"

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
    Require(list.doc.OpenDocumentFile(files.Input("tbw")), "opening the list document failed");
    CGridListCtrl& grid = list.Grid();
    Require(grid.GetItemCount() >= files.rows, "the list document has too few rows");
    CEditHistory history;
    std::unique_ptr<CEditCommand> command = make(grid);
    Require(command != nullptr, "the edit cannot be made on this list");
    history.Push(std::move(command), grid);
    if (step == Step::Redo)
        history.Undo(grid);
    const RssWatch rss;
    const Stopwatch watch;
    const bool done = step == Step::Undo ? history.Undo(grid) : history.Redo(grid);
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

} // namespace

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
