#include "GridInvariants.h"
#include "FuzzSupport.h"

#include "TestDoubles.h"

#include "grid/GridListCtrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Encode(char32_t code)
{
    std::string bytes;
    if (code < 0x80) {
        bytes.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        bytes.push_back(static_cast<char>(0xC0 | (code >> 6)));
        bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        bytes.push_back(static_cast<char>(0xE0 | (code >> 12)));
        bytes.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        bytes.push_back(static_cast<char>(0xF0 | (code >> 18)));
        bytes.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        bytes.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        bytes.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
    return bytes;
}

TEST(StrictUtf8Test, TellsWellFormedFromIllFormed)
{
    const struct
    {
        const char* name;
        std::string bytes;
        bool valid;
    } cases[] = {
        {"empty", "", true},
        {"ASCII with NUL", std::string("a\0b", 3), true},
        {"two-byte", "\xC3\xA9t\xC3\xA9", true},
        {"three-byte", "\xE2\x82\xAC", true},
        {"last scalar value", "\xF4\x8F\xBF\xBF", true},
        {"last before surrogates", "\xED\x9F\xBF", true},
        {"first after surrogates", "\xEE\x80\x80", true},
        {"lone continuation", "\x80", false},
        {"two-byte cut short", "ab\xC3", false},
        {"three-byte cut short", "\xE2\x82", false},
        {"four-byte cut short", "\xF0\x9F\x98", false},
        {"continuation missing mid-text", "\xC3x", false},
        {"overlong NUL", "\xC0\x80", false},
        {"overlong two-byte", "\xC1\xBF", false},
        {"overlong three-byte", "\xE0\x9F\xBF", false},
        {"overlong four-byte", "\xF0\x8F\xBF\xBF", false},
        {"high surrogate", "\xED\xA0\x80", false},
        {"low surrogate", "\xED\xBF\xBF", false},
        {"above U+10FFFF", "\xF4\x90\x80\x80", false},
        {"F5 lead", "\xF5\x80\x80\x80", false},
        {"five-byte lead", "\xF8\x88\x80\x80\x80", false},
        {"FE and FF", "\xFE\xFF", false},
        {"BOM then Windows-1252", "\xEF\xBB\xBF\xE9", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Fuzz::IsStrictUtf8(c.bytes), c.valid);
    }
}

TEST(StrictUtf8Test, AcceptsEveryScalarValueAndNoSurrogate)
{
    int accepted = 0;
    for (char32_t code = 0; code <= 0x10FFFF; ++code) {
        const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
        accepted += Fuzz::IsStrictUtf8(Encode(code)) == !surrogate ? 1 : 0;
    }
    EXPECT_EQ(accepted, 0x110000);
}

TEST(ListDifferenceTest, NamesTheFirstChange)
{
    CGridListCtrl first;
    CGridListCtrl second;
    Fill(first, {"Nom", "Ville"}, {{"Paul", "Lyon"}, {"", ""}});
    Fill(second, {"Nom", "Ville"}, {{"Paul", "Lyon\\"}, {"", "x"}});
    EXPECT_EQ(Fuzz::ListDifference(first, second),
              "cell row 0, column 1: \"Lyon\" became \"Lyon\\x5C\"");
    second.SetItemText(0, 1, "Lyon");
    EXPECT_EQ(Fuzz::ListDifference(first, second), "cell row 1, column 1: \"\" became \"x\"");
    second.SetItemText(1, 1, "");
    EXPECT_EQ(Fuzz::ListDifference(first, second), "");
    second.InsertItem(2, "");
    EXPECT_EQ(Fuzz::ListDifference(first, second), "2 rows became 3");
    second.SetColumnWidth(1, 7);
    EXPECT_EQ(Fuzz::ListDifference(first, second), "width of column 1: 100 became 7");
    second.SetColumnName(0, "nom");
    EXPECT_EQ(Fuzz::ListDifference(first, second), "name of column 0: \"Nom\" became \"nom\"");
    second.InsertColumn(2, "");
    EXPECT_EQ(Fuzz::ListDifference(first, second), "2 columns became 3");
}

TEST(FaultReportTest, NamesAndQuotesForTheReader)
{
    EXPECT_EQ(Fuzz::FaultName("text holds a TAB, CR or LF"), "text-holds-a-tab-cr-or-lf");
    EXPECT_EQ(Fuzz::FaultName(" a byte-order mark!"), "a-byte-order-mark");
    EXPECT_EQ(Fuzz::Quoted("a\"\\\t\xC3\xA9"), "\"a\\x22\\x5C\\x09\\xC3\\xA9\"");
    EXPECT_EQ(Fuzz::Quoted("abcdef", 3), "\"abc\"...");
}

// A reader that makes one column of each byte of the file, after the
// byte-order mark when it skips that.
Fuzz::Reader ColumnPerByte(bool skipsMark)
{
    return [skipsMark](const QString& path, CGridListCtrl& grid) {
        const std::string bytes = Fuzz::ReadFile(path);
        const std::size_t mark = skipsMark && bytes.starts_with("\xEF\xBB\xBF") ? 3 : 0;
        for (std::size_t i = mark; i < bytes.size(); ++i)
            grid.InsertColumn(grid.GetColumnCount(), "c");
    };
}

TEST(CheckReaderTest, ByteOrderMarkMustChangeNothing)
{
    // A forked child would remove the scratch folder it shares with this
    // process when it aborts: the dying one runs in a process of its own.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EQ(Fuzz::CheckReader("\xEF\xBB\xBF"
                                "ab",
                                ".bin", ColumnPerByte(true)),
              0);
    EXPECT_DEATH(Fuzz::CheckReader("\xEF\xBB\xBF"
                                   "ab",
                                   ".bin", ColumnPerByte(false)),
                 "quire-fuzz: a byte-order mark changed the list: 2 columns became 5\n"
                 "quire-fuzz-fault: a-byte-order-mark-changed-the-list");
}

TEST(CheckReaderTest, KnownFaultSetsTheInputAside)
{
    qputenv("QUIRE_FUZZ_KNOWN", "other a-byte-order-mark-changed-the-list");
    EXPECT_EQ(Fuzz::CheckReader("\xEF\xBB\xBF"
                                "ab",
                                ".bin", ColumnPerByte(false)),
              -1);
    EXPECT_EQ(Fuzz::CheckReader("ab", ".bin", ColumnPerByte(false)), 0);
    qunsetenv("QUIRE_FUZZ_KNOWN");
}

TEST(RoundTripTest, ListWithQuotesAndBackslashesPasses)
{
    CGridListCtrl grid;
    Fill(grid, {"say \"hi\"", "path\\", "été"},
         {{"\\\"", "C:\\dir\\", "\"\""}, {"", "", ""}, {"a\\", "", "\\\\"}});
    // Aborts the test program, naming the broken rule, if it does not pass.
    Fuzz::CheckList(grid);
    EXPECT_EQ(grid.GetItemCount(), 4) << "the row that ends a reloaded list";
}

} // namespace
