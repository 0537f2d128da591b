#include "SearchOperations.h"

#include "BenchFiles.h"
#include "ScriptedHost.h"

#include "edit/RowFilter.h"
#include "edit/SearchCommands.h"
#include "grid/GridListCtrl.h"

namespace SearchOperations {

namespace {

// Every "1", whatever the case rules, becomes "un": most rows hold one,
// so nearly every row changes and is kept for undo.
const ReplaceRequest kReplaceOnes{"1", "un", false, false};
// The same by a pattern: every "1" followed by a letter or digit becomes
// "un" and that character, kept by a group; about as many rows change.
const ReplaceRequest kReplaceOnesByPattern{"1(\\w)", "un\\1", false, false, true};

Measurement TimeReplace(const BenchFiles& files, const ReplaceRequest& request)
{
    TellingList list(files);
    const RssWatch rss;
    const Stopwatch watch;
    GridCommands::ReplaceAll(list.doc, request);
    const double seconds = watch.Seconds();
    Require(list.doc.History().CanUndo(), "the replace-all changed nothing");
    return {static_cast<long long>(list.doc.History().Bytes()), seconds, rss.ExtraMb()};
}

enum class Step
{
    Undo,
    Redo
};

Measurement TimeStep(const BenchFiles& files, Step step)
{
    TellingList list(files);
    GridCommands::ReplaceAll(list.doc, kReplaceOnes);
    Require(list.doc.History().CanUndo(), "the replace-all changed nothing");
    if (step == Step::Redo)
        list.doc.Undo();
    const RssWatch rss;
    const Stopwatch watch;
    const bool done = step == Step::Undo ? list.doc.Undo() : list.doc.Redo();
    const double seconds = watch.Seconds();
    Require(done, "the step could not be taken");
    return {static_cast<long long>(list.doc.History().Bytes()), seconds, rss.ExtraMb()};
}

} // namespace

Measurement FindNothing(const BenchFiles& files)
{
    TellingList list(files);
    const RssWatch rss;
    const Stopwatch watch;
    const bool found =
        GridCommands::FindText(list.doc, {"no cell holds this", false, false, false});
    const double seconds = watch.Seconds();
    Require(!found && list.host.messages == 1, "the search found something");
    return {0, seconds, rss.ExtraMb()};
}

namespace {

const RowFilter kAboutOnePercent{"ôa", -1, false, false};

} // namespace

Measurement Filter(const BenchFiles& files)
{
    TellingList list(files);
    CGridListCtrl& grid = list.doc.GetGrid();
    const RssWatch rss;
    const Stopwatch watch;
    ApplyFilter(grid, kAboutOnePercent);
    const double seconds = watch.Seconds();
    Require(grid.Shown().Count() > 0 && grid.Shown().Count() < grid.GetItemCount() / 10,
            "the filter did not keep about one row in a hundred");
    return {grid.Shown().Count(), seconds, rss.ExtraMb()};
}

Measurement ClearFilter(const BenchFiles& files)
{
    TellingList list(files);
    CGridListCtrl& grid = list.doc.GetGrid();
    ApplyFilter(grid, kAboutOnePercent);
    const RssWatch rss;
    const Stopwatch watch;
    grid.ShowAllRows();
    const double seconds = watch.Seconds();
    Require(!grid.Shown().IsFiltering(), "the filter stayed");
    return {grid.Shown().Count(), seconds, rss.ExtraMb()};
}

Measurement ReplaceAll(const BenchFiles& files)
{
    return TimeReplace(files, kReplaceOnes);
}

Measurement ReplaceRegex(const BenchFiles& files)
{
    return TimeReplace(files, kReplaceOnesByPattern);
}

Measurement UndoReplaceAll(const BenchFiles& files)
{
    return TimeStep(files, Step::Undo);
}

Measurement RedoReplaceAll(const BenchFiles& files)
{
    return TimeStep(files, Step::Redo);
}

} // namespace SearchOperations
