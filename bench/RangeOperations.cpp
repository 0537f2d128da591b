#include "RangeOperations.h"

#include "BenchFiles.h"
#include "ListGenerator.h"
#include "ScriptedHost.h"

#include "edit/FillCommands.h"
#include "edit/RangeCommands.h"
#include "grid/GridSelection.h"

#include <algorithm>
#include <functional>
#include <string>

namespace RangeOperations {

namespace {

// A change of the cells under the cursor: place puts the cursor where it
// acts, change makes it as one step; the change reaches down to lastRow.
struct RangeEdit
{
    std::function<void(CGridSelection&)> place;
    std::function<void(CTablewrightDoc&)> change;
    int lastRow = 0;
};

enum class Timed
{
    Change,
    Undo,
    Redo
};

// A tenth of the list's rows, in the list's ten columns.
int BlockRows(const BenchFiles& files)
{
    return std::max(files.rows / 10, 1);
}

// The block pasted with its top left at row top, column 0; its text is
// built once, before any timing.
RangeEdit Paste(const BenchFiles& files, int top)
{
    const int rows = BlockRows(files);
    return {[top](CGridSelection& cursor) { cursor.SetCurrent(top, 0); },
            [text = ListGenerator::ClipboardText(rows)](CTablewrightDoc& doc) {
                (void)GridCommands::Paste(doc, text);
            },
            top + rows - 1};
}

RangeEdit PasteInMiddle(const BenchFiles& files)
{
    return Paste(files, files.rows / 2);
}

RangeEdit PastePastEnd(const BenchFiles& files)
{
    return Paste(files, files.rows - BlockRows(files) / 2);
}

RangeEdit EmptyAll(const BenchFiles& files)
{
    return {
        [](CGridSelection& cursor) { cursor.SelectAll(); },
        [](CTablewrightDoc& doc) { GridCommands::EmptyRange(doc, GridCommands::Emptying::Clear); },
        files.rows - 1};
}

// The first row copied into every other row: the whole list changes.
RangeEdit FillDownAll(const BenchFiles& files)
{
    return {[](CGridSelection& cursor) { cursor.SelectAll(); },
            [](CTablewrightDoc& doc) {
                GridCommands::FillFromEdge(doc, GridCommands::FillDirection::Down);
            },
            files.rows - 1};
}

// Makes the change and checks that it became a step reaching its last row.
bool Change(CTablewrightDoc& doc, const RangeEdit& edit)
{
    edit.change(doc);
    return doc.History().CanUndo() && doc.GetGrid().GetItemCount() > edit.lastRow;
}

bool Take(CTablewrightDoc& doc, const RangeEdit& edit, Timed timed)
{
    switch (timed) {
    case Timed::Change:
        return Change(doc, edit);
    case Timed::Undo:
        return doc.Undo();
    case Timed::Redo:
        return doc.Redo();
    }
    return false;
}

// Opens the generated list and places the cursor; then times the change,
// or its undo, or its redo after an untimed undo.
Measurement TimeStep(const BenchFiles& files, const RangeEdit& edit, Timed timed)
{
    BenchDocument list;
    OpenGeneratedList(list, files);
    edit.place(list.Grid().Cursor());
    if (timed != Timed::Change)
        Require(Change(list.doc, edit), "the change made no step");
    if (timed == Timed::Redo)
        Require(list.doc.Undo(), "the change could not be undone");
    const RssWatch rss;
    const Stopwatch watch;
    const bool done = Take(list.doc, edit, timed);
    const double seconds = watch.Seconds();
    Require(done, "the step could not be taken");
    return {static_cast<long long>(list.doc.History().Bytes()), seconds, rss.ExtraMb()};
}

} // namespace

Measurement PasteBlock(const BenchFiles& files)
{
    return TimeStep(files, PasteInMiddle(files), Timed::Change);
}

Measurement UndoPasteBlock(const BenchFiles& files)
{
    return TimeStep(files, PasteInMiddle(files), Timed::Undo);
}

Measurement RedoPasteBlock(const BenchFiles& files)
{
    return TimeStep(files, PasteInMiddle(files), Timed::Redo);
}

Measurement PasteBlockPastEnd(const BenchFiles& files)
{
    return TimeStep(files, PastePastEnd(files), Timed::Change);
}

Measurement UndoPasteBlockPastEnd(const BenchFiles& files)
{
    return TimeStep(files, PastePastEnd(files), Timed::Undo);
}

Measurement RedoPasteBlockPastEnd(const BenchFiles& files)
{
    return TimeStep(files, PastePastEnd(files), Timed::Redo);
}

Measurement RangeDelete(const BenchFiles& files)
{
    return TimeStep(files, EmptyAll(files), Timed::Change);
}

Measurement UndoRangeDelete(const BenchFiles& files)
{
    return TimeStep(files, EmptyAll(files), Timed::Undo);
}

Measurement RedoRangeDelete(const BenchFiles& files)
{
    return TimeStep(files, EmptyAll(files), Timed::Redo);
}

Measurement FillDown(const BenchFiles& files)
{
    return TimeStep(files, FillDownAll(files), Timed::Change);
}

Measurement UndoFillDown(const BenchFiles& files)
{
    return TimeStep(files, FillDownAll(files), Timed::Undo);
}

// What Ctrl+A Ctrl+C does before the clipboard holds it: the range's text,
// from which the HTML is made only when a program asks.
Measurement CopyRange(const BenchFiles& files)
{
    BenchDocument list;
    OpenGeneratedList(list, files);
    list.Grid().Cursor().SelectAll();
    const RssWatch rss;
    const Stopwatch watch;
    const std::string text = GridCommands::RangeText(list.Grid());
    const double seconds = watch.Seconds();
    Require(!text.empty(), "the range gave no text");
    return {static_cast<long long>(text.size()), seconds, rss.ExtraMb()};
}

} // namespace RangeOperations
