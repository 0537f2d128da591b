#include "OrderOperations.h"

#include "BenchFiles.h"
#include "ScriptedHost.h"

#include "edit/Duplicates.h"
#include "edit/GridCommands.h"
#include "edit/RangeStatistics.h"

#include <string>

namespace OrderOperations {

namespace {

// Pseudo-random but the same in every run.
unsigned Scramble(unsigned row)
{
    return (row * 2654435761u) >> 7;
}

std::string FrenchDecimal(unsigned row)
{
    const unsigned value = Scramble(row) % 10'000'000;
    const std::string digits = std::to_string(value / 100);
    std::string text = row % 3 == 0 ? "-" : "";
    for (std::size_t at = 0; at < digits.size(); ++at) {
        if (at > 0 && (digits.size() - at) % 3 == 0)
            text.push_back(' ');
        text.push_back(digits[at]);
    }
    const unsigned cents = value % 100;
    return text + "," + (cents < 10 ? "0" : "") + std::to_string(cents);
}

Measurement TimeSort(const BenchFiles& files, CellOrder order, std::string (*cell)(unsigned row))
{
    TellingList list(files);
    CGridListCtrl& grid = list.doc.GetGrid();
    if (cell) {
        for (int row = 0; row < files.rows; ++row)
            grid.SetItemText(row, 0, cell(static_cast<unsigned>(row)));
    }
    const RssWatch rss;
    const Stopwatch watch;
    GridCommands::SortByKeys(list.doc, {{0, true, order}});
    const double seconds = watch.Seconds();
    Require(list.doc.History().CanUndo(), "the sort moved no row");
    return {static_cast<long long>(list.doc.History().Bytes()), seconds, rss.ExtraMb()};
}

} // namespace

Measurement SortAlpha(const BenchFiles& files)
{
    return TimeSort(files, CellOrder::Alphabetic, nullptr);
}

Measurement SortNumber(const BenchFiles& files)
{
    return TimeSort(files, CellOrder::Numeric, FrenchDecimal);
}

Measurement SortNatural(const BenchFiles& files)
{
    return TimeSort(files, CellOrder::Natural, [](unsigned row) {
        return "ligne" + std::to_string(Scramble(row) % 1'000'000);
    });
}

Measurement Dedupe(const BenchFiles& files)
{
    TellingList list(files);
    CGridListCtrl& grid = list.doc.GetGrid();
    const int half = files.rows / 2;
    for (int row = 0; row < files.rows; ++row) {
        grid.SetItemText(row, 0, std::to_string(row % half));
        grid.SetItemText(row, 1, "x");
    }
    grid.Cursor().SetCurrent(0, 0);
    grid.Cursor().ExtendTo(0, 1);
    const RssWatch rss;
    const Stopwatch watch;
    GridCommands::RemoveDuplicates(list.doc);
    const double seconds = watch.Seconds();
    Require(list.host.messages == 1 && grid.GetItemCount() <= files.rows - half + 1,
            "the duplicates were not removed");
    return {static_cast<long long>(list.doc.History().Bytes()), seconds, rss.ExtraMb()};
}

Measurement Stats(const BenchFiles& files)
{
    TellingList list(files);
    CGridListCtrl& grid = list.doc.GetGrid();
    for (int row = 0; row < files.rows; ++row) {
        for (int column = 0; column < grid.GetColumnCount(); column += 2)
            grid.SetItemText(row, column, FrenchDecimal(static_cast<unsigned>(row + column)));
    }
    grid.Cursor().SetCurrent(0, 0);
    grid.Cursor().ExtendTo(files.rows - 1, grid.GetColumnCount() - 1);
    const RssWatch rss;
    const Stopwatch watch;
    const std::optional<RangeStatistics> statistics = ComputeRangeStatistics(grid);
    const double seconds = watch.Seconds();
    Require(statistics && statistics->count == static_cast<long long>(files.rows) * 5,
            "the statistics missed numbers");
    return {0, seconds, rss.ExtraMb()};
}

} // namespace OrderOperations
