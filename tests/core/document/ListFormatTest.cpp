#include "document/GetToken.h"
#include "document/ListReader.h"
#include "document/TablewrightDoc.h"
#include "document/Version.h"

#include "TestDoubles.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(GetTokenTest, RunsOfDelimitersCountAsOne)
{
    const struct
    {
        std::string text;
        int index;
        std::string token;
    } cases[] = {
        {"a\tb\tc", 0, "a"},      {"a\tb\tc", 2, "c"},      {"a\tb\tc", 3, ""},
        {"\t\ta\t\tb\t", 0, "a"}, {"\t\ta\t\tb\t", 1, "b"}, {"", 0, ""},
        {"\t\t", 0, ""},          {"a,b;c", 2, "c"},        {"abc", -1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " #" + std::to_string(c.index));
        EXPECT_EQ(GetToken(c.text, c.index, c.text.find(',') != std::string::npos ? ",;" : "\t"),
                  c.token);
    }
}

TEST(VersionTest, FormatKeepsOneDecimal)
{
    EXPECT_EQ(FormatVersion(kProgramVersion), "1.6");
    EXPECT_EQ(FormatVersion(2.0f), "2.0");
    EXPECT_EQ(FormatVersion(1.25f), "1.25");
    EXPECT_EQ(FormatVersion(0.0f), "0.0");
}

class ListFormatTest : public testing::Test
{
protected:
    ListFormatTest() : doc(prompt, progress) {}

    bool Open(const std::string& bytes)
    {
        return doc.OpenDocumentFile(files.Write("list.tbw", bytes));
    }
    std::string SaveAndRead()
    {
        const QString path = files.Path("saved.tbw");
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return TempFiles::Read(path);
    }

    TempFiles files;
    ScriptedPrompt prompt;
    RecordingProgress progress;
    CTablewrightDoc doc;
};

TEST_F(ListFormatTest, WritesRecordsWithTrailingTabsAndCrLf)
{
    Fill(doc.GetGrid(), {"Nom", "Ville"}, {{"Dupont", "Lyon"}, {"", "x"}});
    doc.GetGrid().SetColumnWidth(1, 80);
    EXPECT_EQ(SaveAndRead(), "V\t1.6\r\n"
                             "H\t\"Nom\"\t\"Ville\"\t\r\n"
                             "W\t\"100\"\t\"80\"\t\r\n"
                             "R\t\"Dupont\"\t\"Lyon\"\t\r\n"
                             "R\t\"\"\t\"x\"\t\r\n");
}

TEST_F(ListFormatTest, ListWithoutColumnsKeepsItsShape)
{
    doc.GetGrid().InsertItem(0, "");
    doc.GetGrid().InsertItem(1, "");
    EXPECT_EQ(SaveAndRead(), "V\t1.6\r\nH\t\r\nW\t\r\nR\t\r\nR\t\r\n");
}

TEST_F(ListFormatTest, ReadsRecordsLeniently)
{
    const struct
    {
        const char* name;
        std::string file;
        std::string grid;
    } cases[] = {
        {"empty file", "", "\n"},
        {"missing and extra fields",
         "V\t1.6\nH\t\"a\"\t\"b\"\t\nR\t\"1\"\t\nR\t\"1\"\t\"2\"\t\"3\"\t\n", "a|b\n1|\n1|2\n|"},
        {"records that are not ours",
         "V\t1.6\nh\t\"x\"\t\n\n H\t\"y\"\t\nH\t\"a\"\t\nr\t\"no\"\t\nX junk\nR\t\"yes\"\t\n",
         "a\nyes\n"},
        {"empty quoted fields do not end a record",
         "V\t1.6\nH\t\"a\"\t\"b\"\t\"c\"\t\nR\t\"\"\t\"\"\t\"z\"\t\n", "a|b|c\n||z\n||"},
        {"runs of tabs separate once", "V\t1.6\nH\t\t\"a\"\t\t\t\"b\"\nR\t\"1\"\t\t\"2\"\n",
         "a|b\n1|2\n|"},
        {"R without fields adds no row", "V\t1.6\nH\t\"a\"\t\nR\t\nR\t\t\n", "a\n"},
        {"escaped quotes", "V\t1.6\nH\t\"say \\\"hi\\\"\"\t\nR\t\"\\\"\"\t\n", "say \"hi\"\n\"\n"},
        {"lone CR inside a cell", "V\t1.6\nH\t\"a\"\t\nR\t\"x\ry\"\t\n", "a\nx y\n"},
        {"CR LF and LF alike", "V\t1.6\r\nH\t\"a\"\t\r\nR\t\"1\"\t\nR\t\"2\"\t\r\n", "a\n1\n2\n"},
        {"last line without line end", "V\t1.6\nH\t\"a\"\t\nR\t\"1\"\t", "a\n1\n"},
        {"names after rows go in front of their cells",
         "V\t1.6\nH\t\"a\"\t\nR\t\"1\"\t\nH\t\"b\"\t\nR\t\"2\"\t\"3\"\t\nH\t\"c\"\t\"d\"\t\n"
         "W\t\"7\"\t\nH\t\nR\t\"4\"\t\n",
         "c|d|b|a\n|||1\n||2|3\n4|||\n|||"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Open(c.file));
        EXPECT_EQ(Dump(doc.GetGrid()), c.grid);
        EXPECT_EQ(GridFault(doc.GetGrid()), "");
        EXPECT_TRUE(doc.m_bLoaded);
        EXPECT_TRUE(prompt.messages.empty());
    }
}

// A field loses its first and last characters, whole: the quotes as written,
// or whatever stands there in a hand-made file.
TEST_F(ListFormatTest, FieldsLoseWholeCharactersAtTheirEnds)
{
    const struct
    {
        const char* name;
        std::string file;
        std::string grid;
    } cases[] = {
        {"letters of two bytes", "V\t1.6\nH\t«nom»\t\nR\tété\t\n", "nom\nt\n"},
        {"quoted letters", "V\t1.6\nH\t\"é\"\t\nR\t\"日本\"\t\n", "é\n日本\n"},
        {"three and four bytes", "V\t1.6\nH\t€x😀\t\nR\t😀\t\n", "x\n"},
        {"mixed ends", "V\t1.6\nH\t\"a\"\t\nR\t\"b€\t\nR\té\\\"x\"\t\n", "a\nb\n\"x\n"},
        {"Windows-1252", "V\t1.6\nH\t\xABnom\xBB\t\nR\t\xE9t\xE9\t\n", "nom\nt\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Open(c.file));
        EXPECT_EQ(Dump(doc.GetGrid()), c.grid);
        EXPECT_EQ(GridFault(doc.GetGrid()), "");
        // Saved and opened again, the list reads as it did.
        const std::string shown = Dump(doc.GetGrid());
        ASSERT_TRUE(doc.DoSave(files.Path("again.tbw")));
        ASSERT_TRUE(doc.OpenDocumentFile(files.Path("again.tbw")));
        EXPECT_EQ(Dump(doc.GetGrid()), shown);
    }
}

TEST_F(ListFormatTest, WidthsAreReadAsNumbers)
{
    ASSERT_TRUE(Open("V\t1.6\nH\t\"a\"\t\"b\"\t\"c\"\t\"d\"\t\nW\t\"50\"\t\" "
                     "+7x\"\t\"junk\"\t\"65636\"\t\"9\"\t\n"));
    EXPECT_EQ(doc.GetGrid().GetColumnWidth(0), 50);
    EXPECT_EQ(doc.GetGrid().GetColumnWidth(1), 7);
    EXPECT_EQ(doc.GetGrid().GetColumnWidth(2), 0);
    EXPECT_EQ(doc.GetGrid().GetColumnWidth(3), 100);
    ASSERT_TRUE(Open("V\t1.6\nH\t\"a\"\t\n"));
    EXPECT_EQ(doc.GetGrid().GetColumnWidth(0), kDefaultColumnWidth);
}

TEST_F(ListFormatTest, NewerVersionWarnsOncePerRecordAndLoads)
{
    const struct
    {
        std::string version;
        std::size_t warnings;
    } cases[] = {{"V\t1.6\n", 0}, {"V\t1.0\n", 0}, {"V\n", 0},           {"V\tabc\n", 0},
                 {"V\t1.7\n", 1}, {"V\t 2\n", 1},  {"V\t1.7\nV\t9\n", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        prompt.messages.clear();
        ASSERT_TRUE(Open(c.version + "H\t\"a\"\t\nR\t\"1\"\t\n"));
        EXPECT_EQ(prompt.messages.size(), c.warnings);
        EXPECT_EQ(Dump(doc.GetGrid()), "a\n1\n");
        if (c.warnings > 0) {
            EXPECT_TRUE(prompt.messages[0].text.startsWith("Avertissement: Vous ouvrez une liste"));
            EXPECT_EQ(prompt.messages[0].icon, IUserPrompt::Icon::None);
        }
    }
}

TEST_F(ListFormatTest, EveryTextSurvivesSaveAndReload)
{
    const std::vector<std::string> texts = {
        "plain",    "",      "\"quoted\"", "back\\slash", "ends\\",   "ends\\\\",
        "\\",       "\\\"",  "x\\\"y",     "tab\there",   "cr\r\nlf", "%s %d",
        "été €uro", " lead", "trail ",     "\"",          "\"\"",     "a\\\"",
    };
    std::vector<std::vector<std::string>> rows;
    for (const std::string& text : texts)
        rows.push_back({text, text});
    Fill(doc.GetGrid(), {"name\\", "x\"y"}, rows);
    const std::string before = Dump(doc.GetGrid());
    MarkModified(doc);
    ASSERT_TRUE(doc.DoSave(files.Path("round.tbw")));
    ASSERT_TRUE(doc.OpenDocumentFile(files.Path("round.tbw")));
    // The reader ends the list with one empty row.
    EXPECT_EQ(Dump(doc.GetGrid()), before + "\n|");
}

TEST_F(ListFormatTest, RandomTextsOfQuotesAndBackslashesSurvive)
{
    // Every text made of these pieces, up to five long, in a fixed random order.
    const std::vector<std::string> pieces = {"a", "\"", "\\", " ", "é", "\\\""};
    std::mt19937 random(7);
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < 400; ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < 3; ++c) {
            std::string text;
            for (int n = static_cast<int>(random() % 6); n > 0; --n)
                text += pieces[random() % pieces.size()];
            row.push_back(text);
        }
        rows.push_back(row);
    }
    Fill(doc.GetGrid(), {"x", "y", "z"}, rows);
    const std::string before = Dump(doc.GetGrid());
    ASSERT_TRUE(doc.DoSave(files.Path("random.tbw")));
    ASSERT_TRUE(doc.OpenDocumentFile(files.Path("random.tbw")));
    EXPECT_EQ(Dump(doc.GetGrid()), before + "\n||");
}

TEST_F(ListFormatTest, OpeningAndSavingAgainDoesNotGrowTheList)
{
    Fill(doc.GetGrid(), {"a"}, {{"1"}, {"2"}});
    const QString path = files.Path("grow.tbw");
    ASSERT_TRUE(doc.DoSave(path));
    std::string first;
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(doc.OpenDocumentFile(path));
        ASSERT_TRUE(doc.DoFileSave());
        if (round == 0)
            first = TempFiles::Read(path);
    }
    EXPECT_EQ(TempFiles::Read(path), first);
    EXPECT_EQ(doc.GetGrid().GetItemCount(), 3);
}

TEST_F(ListFormatTest, Windows1252ListsStayWindows1252WhenTheyCan)
{
    const std::string latin = "V\t1.6\nH\t\"Pr\xE9nom\"\t\nR\t\"\x80 \xE0 \x9C\x81\"\t\n";
    ASSERT_TRUE(Open(latin));
    EXPECT_EQ(Dump(doc.GetGrid()), "Prénom\n€ à œ\u0081\n");
    EXPECT_EQ(doc.FileEncoding(), TextEncoding::Windows1252);
    EXPECT_EQ(SaveAndRead(), "V\t1.6\r\nH\t\"Pr\xE9nom\"\t\r\nW\t\"100\"\t\r\n"
                             "R\t\"\x80 \xE0 \x9C\x81\"\t\r\nR\t\"\"\t\r\n");

    // A character Windows-1252 lacks turns the file into UTF-8.
    doc.GetGrid().SetItemText(1, 0, "日本");
    EXPECT_EQ(SaveAndRead(), "V\t1.6\r\nH\t\"Prénom\"\t\r\nW\t\"100\"\t\r\n"
                             "R\t\"€ à œ\u0081\"\t\r\nR\t\"日本\"\t\r\n");
    EXPECT_EQ(doc.FileEncoding(), TextEncoding::Utf8);
}

TEST_F(ListFormatTest, ByteOrderMarkIsDroppedWhateverFollows)
{
    ASSERT_TRUE(Open("\xEF\xBB\xBFV\t1.6\nH\t\"é\"\t\nR\t\"à\"\t\n"));
    EXPECT_EQ(Dump(doc.GetGrid()), "é\nà\n");
    EXPECT_EQ(SaveAndRead().substr(0, 3), "V\t1");

    // One Windows-1252 byte makes the rest Windows-1252; the mark still goes.
    ASSERT_TRUE(Open("\xEF\xBB\xBFV\t1.6\nH\t\"Pr\xE9nom\"\t\n"));
    EXPECT_EQ(Dump(doc.GetGrid()), "Prénom\n");
    EXPECT_EQ(doc.FileEncoding(), TextEncoding::Windows1252);
    EXPECT_EQ(SaveAndRead().substr(0, 3), "V\t1");
}

TEST_F(ListFormatTest, ProgressRisesAndEndsAtZero)
{
    std::string file = "V\t1.6\nH\t\"a\"\t\n";
    for (int i = 0; i < 200; ++i)
        file += "R\t\"row " + std::to_string(i) + "\"\t\n";
    ASSERT_TRUE(Open(file));
    ASSERT_GE(progress.values.size(), 3u);
    EXPECT_EQ(progress.values.front(), 0);
    EXPECT_EQ(progress.values.back(), 0);
    EXPECT_GE(*std::max_element(progress.values.begin(), progress.values.end()), 95);
    // Each percentage once: a million rows must not mean a million repaints.
    EXPECT_TRUE(std::is_sorted(progress.values.begin() + 1, progress.values.end() - 1));
    EXPECT_EQ(std::adjacent_find(progress.values.begin() + 1, progress.values.end() - 1),
              progress.values.end() - 1);
    EXPECT_LE(progress.values.size(), 102u);

    progress.values.clear();
    SaveAndRead();
    EXPECT_EQ(progress.values.back(), 0);
    EXPECT_GE(progress.values.size(), 3u);
}

} // namespace

namespace {

// A list read in parts, each on its own thread: cells longer than the
// reader's buffer and than a row block, names after rows, and a
// Windows-1252 byte in the last part (which reads the whole file again so)
// give the list one reader gives.
TEST(ListPartsTest, PartsReadTheListOneReaderReads)
{
    const std::string longCell(std::size_t{5} << 19, 'x');
    for (const std::string last : {"\"fin\"", "\"\xE9t\xE9\""}) {
        SCOPED_TRACE(last);
        const std::string bytes = "V\t1.6\r\nH\t\"A\"\t\r\nW\t\"90\"\t\r\nR\t\"" + longCell +
                                  "\"\t\"trop\"\t\r\nR\t\"a\"\r\nH\t\"B\"\t\"C\"\t\r\nR\t\"" +
                                  longCell + "y\"\t\"b\"\r\nR\t" + last + "\t\r\n";
        TempFiles files;
        const QString path = files.Write("parts.tbw", bytes);
        std::vector<std::string> lists;
        for (const int parts : {1, 3}) {
            CTextSource source;
            ASSERT_TRUE(source.Open(path, CTextSource::Utf8Check::ByReader));
            ScriptedPrompt prompt;
            RecordingProgress progress;
            CListReader reader(prompt, progress);
            reader.SetPartCount(parts);
            CGridListCtrl grid;
            ASSERT_TRUE(reader.Read(source, grid));
            ASSERT_EQ(grid.GetItemCount(), 5);
            EXPECT_EQ(grid.ItemTextView(0, 2), longCell);
            EXPECT_EQ(grid.ItemTextView(2, 0), longCell + "y");
            EXPECT_EQ(grid.GetItemText(3, 0), last == "\"fin\"" ? "fin" : "été");
            lists.push_back(SavedList(grid, files));
        }
        EXPECT_EQ(lists[0], lists[1]);
    }
}

} // namespace
