#include "edit/TextMatch.h"
#include "edit/TextCase.h"
#include "grid/PackedRow.h"

#include <gtest/gtest.h>

namespace {

TEST(TextMatchTest, UpperCaseTakesOneCharacterForOne)
{
    struct Case
    {
        const char* text;
        const char* upper;
    };
    const Case cases[] = {
        {"abc xyz 09", "ABC XYZ 09"},
        {"été à l'œuvre", "ÉTÉ À L'ŒUVRE"},
        {"ωμέγα", "ΩΜΈΓΑ"},
        // A letter whose upper case is longer stays itself.
        {"straße", "STRAßE"},
        // Shorter in bytes: the dotless i (two bytes) becomes "I" (one).
        {"ıi", "II"},
        {"😀a", "😀A"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextCase::Upper(c.text), c.upper) << c.text;
}

TEST(TextMatchTest, FourMatchingRules)
{
    struct Case
    {
        const char* search;
        bool matchCase;
        bool wholeCell;
        const char* cell;
        bool matches;
    };
    const Case cases[] = {
        {"abc", false, false, "xABCx", true},
        {"abc", true, false, "xABCx", false},
        {"ABC", true, false, "xABCx", true},
        {"Paris", false, true, "Paris 15", false},
        {"Paris", false, true, "PARIS", true},
        {"Paris", true, true, "PARIS", false},
        {"Paris", true, true, "Paris", true},
        {"été", false, false, "L'ÉTÉ", true},
        {"ÉTÉ", true, false, "l'été", false},
        {"straße", false, false, "STRASSE", false},
        {"straße", false, false, "STRAßE", true},
        {"", false, false, "anything", true},
        {"", false, true, "", true},
        {"", true, true, "x", false},
        // An ASCII text is found in a row without upper-casing it, unless
        // the row holds a letter whose upper case is ASCII.
        {"pAris", false, false, "é à PARIS ç", true},
        {"paris x", false, false, "é à PARIS ç", false},
        {"sir", false, false, "é sır", true},
        {"KS", false, false, "tak\xC5\xBF", true},
    };
    for (const Case& c : cases) {
        const CTextMatcher matcher(c.search, c.matchCase, c.wholeCell);
        EXPECT_EQ(matcher.Matches(c.cell), c.matches)
            << c.search << " in " << c.cell << " case " << c.matchCase << " whole " << c.wholeCell;
        EXPECT_EQ(matcher.MatchesJoined(c.cell, 1), c.matches) << c.search << " in row " << c.cell;
    }
}

TEST(TextMatchTest, ReplaceEveryOccurrenceInEachMode)
{
    struct Case
    {
        const char* search;
        const char* replacement;
        bool matchCase;
        bool wholeCell;
        const char* cell;
        bool matched;
        const char* result;
    };
    const Case cases[] = {
        // Every occurrence, whatever its case, not only those spelt like
        // the first one found.
        {"abc", "X", false, false, "Abc abc ABC", true, "X X X"},
        {"abc", "X", true, false, "abc abc", true, "X X"},
        {"abc", "X", true, false, "Abc abc ABC", true, "Abc X ABC"},
        {"aa", "b", true, false, "aaa", true, "ba"},
        {"é", "e", false, false, "Été été", true, "ete ete"},
        // Bytes differ between a text and its upper case: the rest of the
        // cell stays whole.
        {"i", "-", false, false, "ıxİyi", true, "-xİy-"},
        {"abc", "X", false, true, "ABC", true, "X"},
        {"abc", "X", false, true, "abcd", false, ""},
        {"", "X", false, true, "", true, "X"},
        {"", "X", false, false, "keep", true, "keep"},
        {"zz", "X", false, false, "abc", false, ""},
    };
    for (const Case& c : cases) {
        const CTextMatcher matcher(c.search, c.matchCase, c.wholeCell);
        std::string out;
        EXPECT_EQ(matcher.Replace(c.cell, c.replacement, out), c.matched) << c.cell;
        if (c.matched) {
            EXPECT_EQ(out, c.result) << c.search << " in " << c.cell;
        }
    }
}

} // namespace

// Replacing in a whole row gives what replacing cell by cell gives, and
// leaves the rows it cannot do so to the cells: a text with a TAB, a row
// with a letter whose upper case is ASCII, cells beyond the columns.
TEST(TextMatchTest, ReplaceInRowAgreesWithTheCells)
{
    using R = CTextMatcher::RowReplace;
    struct Case
    {
        const char* text;
        const char* row;
        int columns;
        R expected;
    };
    const Case cases[] = {
        {"ab", "xAbx\tab\t\tAB", 4, R::Replaced},
        {"ab", "xyz\tq", 2, R::NotFound},
        {"1", "1\t21\t\t111", 4, R::Replaced},
        {"1", "1\t21", 1, R::CellByCell},
        {"a\tb", "a\tb", 2, R::CellByCell},
        {"k", "ſk\tK", 2, R::CellByCell},
        {"é", "é", 1, R::CellByCell},
    };
    for (const Case& c : cases) {
        const CTextMatcher matcher(c.text, false, false, false);
        std::string whole;
        EXPECT_EQ(matcher.ReplaceInRow(c.row, c.columns, "[-]", whole), c.expected) << c.row;
        if (c.expected != R::Replaced)
            continue;
        std::string cells;
        std::string replaced;
        CellCursor cursor(c.row);
        for (int column = 0; column < c.columns; ++column) {
            const std::string_view cell = cursor.Next();
            cells += column > 0 ? "\t" : "";
            cells += matcher.Replace(cell, "[-]", replaced) ? std::string_view(replaced) : cell;
        }
        EXPECT_EQ(whole, cells) << c.row;
    }
}
