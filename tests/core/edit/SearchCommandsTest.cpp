#include "edit/SearchCommands.h"

#include "EditTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

void Prepare(Session& s)
{
    Fill(s.grid, {"Nom", "Ville"},
         {{"Alice", "Lyon"}, {"Bob", "Paris 15"}, {"Chloé", "PARIS"}, {"Denis", "xABCx"}});
}

FindRequest Find(const char* text, bool fromCurrent, bool matchCase = false, bool whole = false,
                 bool regex = false)
{
    return {text, matchCase, whole, fromCurrent, regex};
}

TEST(SearchCommandsTest, FindSelectsTheRowAndWrapsOnce)
{
    struct Case
    {
        const char* name;
        int currentRow;
        FindRequest request;
        int found; // -1: not found
    };
    const Case cases[] = {
        {"find starts at row 0 whatever is current", 3, Find("paris", false), 1},
        {"find next starts after the current row", 1, Find("paris", true), 2},
        {"find next wraps to the top", 2, Find("paris", true), 1},
        {"on the only match, find next finds it again", 3, Find("abc", true), 3},
        {"no current row: find next starts at 0", -1, Find("lyon", true), 0},
        {"whole cell and case", 0, Find("PARIS", false, true, true), 2},
        {"accented letters match across case", 0, Find("CHLOÉ", false), 2},
        {"a pattern is anchored in each cell", 0, Find("^paris$", false, false, false, true), 2},
        {"a pattern never spans two cells", 0, Find("é\\sp", false, false, false, true), -1},
        {"nothing matches", 1, Find("Zurich", true), -1},
    };
    for (const Case& c : cases) {
        Session s;
        Prepare(s);
        s.grid.Cursor().SetCurrent(c.currentRow, c.currentRow < 0 ? -1 : 1);
        const std::string before = Focus(s.grid);
        EXPECT_EQ(GridCommands::FindText(s.doc, c.request), c.found >= 0) << c.name;
        if (c.found >= 0) {
            EXPECT_EQ(Focus(s.grid), "cur " + std::to_string(c.found) + ",0") << c.name;
            EXPECT_TRUE(s.prompt.messages.empty()) << c.name;
        } else {
            EXPECT_EQ(Focus(s.grid), before) << c.name;
            ASSERT_EQ(s.prompt.messages.size(), 1u) << c.name;
            EXPECT_EQ(s.prompt.messages[0].text, "De la corde de recherche n'a pas été trouvée");
            EXPECT_EQ(s.prompt.messages[0].icon, IUserPrompt::Icon::Information);
        }
        EXPECT_FALSE(s.doc.IsModified()) << c.name;
    }
}

TEST(SearchCommandsTest, ReplaceAllInEachMode)
{
    struct Case
    {
        const char* name;
        ReplaceRequest request;
        std::string after; // "" when nothing may change
        bool told;         // "not found" shown
        bool modified;
        bool step;
    };
    const Case cases[] = {
        {"case ignored, every spelling",
         {"paris", "Lille", false, false},
         "Nom|Ville\nAlice|Lyon\nBob|Lille 15\nChloé|Lille\nDenis|xABCx",
         false,
         true,
         true},
        {"case kept",
         {"PARIS", "Lille", true, false},
         "Nom|Ville\nAlice|Lyon\nBob|Paris 15\nChloé|Lille\nDenis|xABCx",
         false,
         true,
         true},
        {"whole cell",
         {"paris", "Lille", false, true},
         "Nom|Ville\nAlice|Lyon\nBob|Paris 15\nChloé|Lille\nDenis|xABCx",
         false,
         true,
         true},
        {"a pattern and its groups",
         {"(\\w+) (\\d+)", "\\2 \\1", true, false, true},
         "Nom|Ville\nAlice|Lyon\nBob|15 Paris\nChloé|PARIS\nDenis|xABCx",
         false,
         true,
         true},
        {"nothing matches", {"Zurich", "x", false, false}, "", true, false, false},
        {"empty text in part of a cell: no text changes but the list is marked",
         {"", "x", false, false},
         "",
         false,
         true,
         false},
        {"replacement with a TAB is cleaned",
         {"Lyon", "a\tb", true, true},
         "Nom|Ville\nAlice|a b\nBob|Paris 15\nChloé|PARIS\nDenis|xABCx",
         false,
         true,
         true},
    };
    for (const Case& c : cases) {
        Session s;
        Prepare(s);
        s.grid.Cursor().SetCurrent(1, 1);
        const std::string before = Dump(s.grid);
        GridCommands::ReplaceAll(s.doc, c.request);
        EXPECT_EQ(Dump(s.grid), c.after.empty() ? before : c.after) << c.name;
        EXPECT_EQ(s.prompt.messages.size(), c.told ? 1u : 0u) << c.name;
        EXPECT_EQ(s.doc.IsModified(), c.modified) << c.name;
        EXPECT_EQ(s.doc.History().CanUndo(), c.step) << c.name;
        EXPECT_EQ(Focus(s.grid), "cur 1,1") << c.name;
        if (c.step) {
            s.doc.Undo();
            EXPECT_EQ(Dump(s.grid), before) << c.name;
            EXPECT_FALSE(s.doc.IsModified()) << c.name;
            s.doc.Redo();
            EXPECT_EQ(Dump(s.grid), c.after) << c.name;
        }
    }
}

TEST(SearchCommandsTest, WholeCellEmptyTextFillsEveryEmptyCellUpToTheLastColumn)
{
    Session s;
    Fill(s.grid, {"A", "B", "C"}, {{"x"}, {"", "y"}});
    GridCommands::ReplaceAll(s.doc, {"", "-", true, true});
    EXPECT_EQ(Dump(s.grid), "A|B|C\nx|-|-\n-|y|-");
}

TEST(SearchCommandsTest, ReplaceAllOnAnEmptyListTellsAndReportsProgressByRow)
{
    Session empty;
    Fill(empty.grid, {"A"}, {});
    GridCommands::ReplaceAll(empty.doc, {"a", "b", false, false});
    EXPECT_EQ(empty.prompt.messages.size(), 1u);
    EXPECT_FALSE(empty.doc.IsModified());

    Session s;
    std::vector<std::vector<std::string>> rows(200, {"a"});
    Fill(s.grid, {"A"}, rows);
    GridCommands::ReplaceAll(s.doc, {"a", "b", false, false});
    const std::vector<int>& values = s.progress.values;
    ASSERT_GE(values.size(), 3u);
    EXPECT_EQ(values.front(), 0);
    EXPECT_EQ(values[values.size() - 2], 100);
    EXPECT_EQ(values.back(), 0);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end() - 1));
}

// The rows shown, as "1 2".
std::string ShownRows(const CGridListCtrl& grid)
{
    std::string rows;
    for (int at = 0; at < grid.Shown().Count(); ++at)
        rows += (at ? " " : "") + std::to_string(grid.Shown().ListRow(at));
    return rows;
}

// A pattern that does not compile, or that a cell takes past its limit of
// work, changes nothing in any command: the user is told why.
TEST(SearchCommandsTest, AFailingPatternChangesNothingAndTells)
{
    const std::vector<std::pair<const char*, const char*>> patterns = {
        {"(a", "Expression régulière incorrecte : parenthèse non fermée"},
        {"^(a|aa)+$",
         "L'expression régulière demande trop de calculs sur une cellule : la recherche a été "
         "arrêtée et rien n'a été modifié."},
    };
    const std::vector<std::function<void(CTablewrightDoc&, const char*)>> commands = {
        [](CTablewrightDoc& d, const char* p) {
            // Find next starts on the last row, the one past the limit.
            EXPECT_FALSE(GridCommands::FindText(d, {p, false, false, true, true}));
        },
        [](CTablewrightDoc& d, const char* p) {
            GridCommands::ReplaceAll(d, {p, "x", false, false, true});
        },
        [](CTablewrightDoc& d, const char* p) {
            EXPECT_FALSE(d.SetFilter({p, -1, false, false, true}));
        },
    };
    for (const auto& [pattern, told] : patterns) {
        for (const auto& command : commands) {
            Session s;
            Fill(s.grid, {"A"}, {{"a"}, {"b"}, {"aa"}, {std::string(40, 'a') + "b"}});
            s.doc.SetFilter({"a", -1, false, false});
            s.grid.Cursor().SetCurrent(2, 0);
            const std::string before = Dump(s.grid);
            command(s.doc, pattern);
            EXPECT_EQ(Dump(s.grid), before) << pattern;
            EXPECT_EQ(ShownRows(s.grid), "0 2 3") << pattern;
            EXPECT_EQ(s.doc.Filter().text, "a") << pattern;
            EXPECT_EQ(Focus(s.grid), "cur 2,0") << pattern;
            EXPECT_FALSE(s.doc.IsModified()) << pattern;
            ASSERT_EQ(s.prompt.messages.size(), 1u) << pattern;
            EXPECT_EQ(s.prompt.messages[0].text, told);
            EXPECT_EQ(s.prompt.messages[0].icon, IUserPrompt::Icon::Warning);
        }
    }
}

// A replace-all keeps only the rows it changed: one changed row of a long
// list costs little.
TEST(SearchCommandsTest, ReplaceAllStepKeepsOnlyChangedRows)
{
    Session s;
    std::vector<std::vector<std::string>> rows(20000, {"some long unchanged text", "b"});
    rows[777][1] = "target";
    Fill(s.grid, {"A", "B"}, rows);
    GridCommands::ReplaceAll(s.doc, {"target", "done", true, false});
    EXPECT_EQ(s.grid.GetItemText(777, 1), "done");
    EXPECT_LT(s.doc.History().Bytes(), 1000u);
}

} // namespace

// A long list is replaced in stretches, one thread each: the list, the step
// and its undo are those of one thread, a failing pattern in a late stretch
// included.
TEST(SearchCommandsTest, ReplaceAllInStretchesIsOneReplace)
{
    constexpr int kRows = 120'000;
    Session s;
    std::vector<std::vector<std::string>> rows;
    std::string expected = "A|B";
    for (int r = 0; r < kRows; ++r) {
        const std::string cell = r % 3 == 0 ? "n" + std::to_string(r) : "x";
        rows.push_back({cell, "b"});
        std::string replaced = cell;
        for (std::size_t at = replaced.find('1'); at != std::string::npos;
             at = replaced.find('1', at + 2))
            replaced.replace(at, 1, "un");
        expected += "\n" + replaced + "|b";
    }
    Fill(s.grid, {"A", "B"}, rows);
    const std::string before = Dump(s.grid);
    GridCommands::ReplaceAll(s.doc, {"1", "un", false, false});
    EXPECT_EQ(Dump(s.grid), expected);
    EXPECT_TRUE(s.doc.Undo());
    EXPECT_EQ(Dump(s.grid), before);

    s.grid.SetItemText(kRows - 1, 1, std::string(30, 'a') + "b");
    GridCommands::ReplaceAll(s.doc, {"(a+)+$", "-", false, false, true});
    EXPECT_EQ(Dump(s.grid), before.substr(0, before.rfind('|') + 1) + std::string(30, 'a') + "b");
    ASSERT_FALSE(s.prompt.messages.empty());
    EXPECT_EQ(s.prompt.messages.back().icon, IUserPrompt::Icon::Warning);
}
