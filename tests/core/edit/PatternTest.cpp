#include "edit/Pattern.h"
#include "edit/TextMatch.h"

#include <gtest/gtest.h>

namespace {

TEST(PatternTest, MatchesOneCellByFindsRules)
{
    struct Case
    {
        const char* pattern;
        bool matchCase;
        bool wholeCell;
        const char* cell;
        bool matches;
    };
    const Case cases[] = {
        {"é+t", false, false, "L'ÉTÉ", true},
        {"é+t", true, false, "L'ÉTÉ", false},
        {"\\w+", false, true, "Chloé", true}, // a letter is a letter in any script
        {"\\d+", false, true, "12a", false},
        {"\\d+", false, false, "12a", true},
        // The whole cell may need a later alternative.
        {"a|ab", false, true, "ab", true},
        // Anchors hold at the ends of the cell.
        {"^b", false, false, "b", true},
        {"^b", false, false, "ab", false},
        {"x*", false, false, "", true},
    };
    for (const Case& c : cases) {
        const CTextMatcher matcher(c.pattern, c.matchCase, c.wholeCell, true);
        EXPECT_EQ(matcher.Matches(c.cell), c.matches)
            << c.pattern << " in " << c.cell << " case " << c.matchCase << " whole " << c.wholeCell;
        EXPECT_FALSE(matcher.Failed()) << c.pattern;
    }
}

// The groups of the replacement, every match left to right, and empty
// matches that step one whole character.
TEST(PatternTest, ReplacesEveryMatchWithItsGroups)
{
    struct Case
    {
        const char* pattern;
        const char* replacement;
        bool wholeCell;
        const char* cell;
        const char* result; // null: no match
    };
    const Case cases[] = {
        {"(\\w+) (\\w+)", "\\2 \\1", false, "Hugo Victor, Zola Émile", "Victor Hugo, Émile Zola"},
        {"\\d+", "<\\0>", false, "a1b22", "a<1>b<22>"},
        {"a", "\\\\\\n\\", false, "ba", "b\\\\n\\"},
        {"(a)|(b)", "[\\1\\2\\7]", false, "ab", "[a][b]"},
        {"x*", "-", false, "éàb", "-é-à-b-"},
        {"", "|", false, "😀", "|😀|"},
        {"x*", "-", false, "axxb", "-a--b-"},
        {"(é)T", "\\1t", false, "ÉTé ét", "Été ét"},
        {"x*", "-", true, "xx", "-"},
        {"\\d", "-", false, "abc", nullptr},
    };
    for (const Case& c : cases) {
        const CTextMatcher matcher(c.pattern, false, c.wholeCell, true);
        std::string out;
        EXPECT_EQ(matcher.Replace(c.cell, c.replacement, out), c.result != nullptr) << c.pattern;
        if (c.result) {
            EXPECT_EQ(out, c.result) << c.pattern << " in " << c.cell;
        }
    }
}

TEST(PatternTest, TellsWhyAPatternDoesNotCompile)
{
    struct Case
    {
        const char* pattern;
        const char* problem;
    };
    const Case cases[] = {
        {"(ab", "Expression régulière incorrecte : parenthèse non fermée"},
        // Counted in characters, not bytes.
        {"éé(?z)", "Expression régulière incorrecte (caractère 5)"},
        // \C could cut a character in two.
        {"a\\C", "Expression régulière incorrecte (caractère 4)"},
        {"(a)b", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CPattern::SyntaxProblem(c.pattern).toStdString(), c.problem) << c.pattern;
        const CTextMatcher matcher(c.pattern, false, false, true);
        EXPECT_EQ(matcher.Failure().toStdString(), c.problem) << c.pattern;
        EXPECT_EQ(matcher.Matches("ab"), *c.problem == '\0') << c.pattern;
    }
}

} // namespace
