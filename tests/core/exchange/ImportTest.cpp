#include "TestDoubles.h"

#include "document/TablewrightDoc.h"

#include <QFileInfo>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Answer = IUserPrompt::Answer;
using Buttons = IUserPrompt::Buttons;
using namespace std::string_literals;

struct ImportCase
{
    const char* name;
    std::string bytes;
    std::string expected; // as Dump shows the grid
};

void ExpectImported(const Session& s, const std::string& expected)
{
    EXPECT_EQ(Dump(s.grid), expected);
    EXPECT_TRUE(s.doc.m_bLoaded);
    EXPECT_TRUE(s.doc.GetPathName().isEmpty());
    ASSERT_FALSE(s.progress.values.empty());
    EXPECT_EQ(s.progress.values.back(), 0);
}

TEST(ImportTest, TextFileFillsTheGrid)
{
    const std::vector<ImportCase> cases = {
        {"names then rows", "Nom\tVille\nPaul\tLyon\n", "Nom|Ville\nPaul|Lyon"},
        {"blank lines skipped", "\n  \n\nNom\tVille\n\n\t \nPaul\tLyon\n\n",
         "Nom|Ville\nPaul|Lyon"},
        {"CR LF", "a\tb\r\nc\td\r\n", "a|b\nc|d"},
        {"leading and trailing blanks", "Nom\tVille\n  Paul\t   Lyon  \n", "Nom|Ville\nPaul|Lyon"},
        {"leading tab keeps its empty cell", "A\tB\tC\n\tx\ty\n", "A|B|C\n|x|y"},
        {"two tabs give an empty cell", "A\tB\tC\nx\t\tz\n", "A|B|C\nx||z"},
        {"trailing tabs dropped", "A\tB\tC\nx\t\t\n", "A|B|C\nx||"},
        {"extra fields add columns", "A\tB\nx\ny\tz\tw\n", "A|B|Column 3\nx||\ny|z|w"},
        {"missing fields empty", "A\tB\tC\nx\n", "A|B|C\nx||"},
        {"quotes are text", "\"A\"\tB\n\"x\"\ty\n", "\"A\"|B\n\"x\"|y"},
        {"no final line feed", "A\nx", "A\nx"},
        {"lone CR ends a line", "A\tB\rx\ty\r", "A|B\nx|y"},
        {"Windows-1252", "Nom\tVille\nR\xE9mi\tS\xE8te\n", "Nom|Ville\nRémi|Sète"},
        {"UTF-8 with BOM", "\xEF\xBB\xBFNom\tVille\nRémi\tSète\n", "Nom|Ville\nRémi|Sète"},
        {"BOM then Windows-1252", "\xEF\xBB\xBFNom\tVille\nR\xE9mi\tS\xE8te\n",
         "Nom|Ville\nRémi|Sète"},
        {"header only", "A\tB\n", "A|B"},
        {"blank lines only", "\n \n", ""},
        {"empty file", "", ""},
    };
    for (const ImportCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        Session s;
        s.prompt.openPaths = {files.Write("in.txt", c.bytes)};
        EXPECT_TRUE(s.doc.OnImport(FileFormat::Text));
        ExpectImported(s, c.expected);
        EXPECT_TRUE(s.prompt.messages.empty());
    }
}

TEST(ImportTest, CsvFileFillsTheGrid)
{
    struct CsvCase
    {
        const char* name;
        bool header;
        std::string bytes;
        std::string expected;
    };
    const std::vector<CsvCase> cases = {
        {"numbered columns", false, "Nom,Ville\nPaul,Lyon\n",
         "Column 1|Column 2\nNom|Ville\nPaul|Lyon"},
        {"named columns", true, "Nom,Ville\nPaul,Lyon\n", "Nom|Ville\nPaul|Lyon"},
        {"blank line is a row", false, "a,b\n\nc,d\n", "Column 1|Column 2\na|b\n|\nc|d"},
        {"no final line feed", false, "a,b\nc,d", "Column 1|Column 2\na|b\nc|d"},
        {"CR LF", true, "a,b\r\n1,2\r\n", "a|b\n1|2"},
        {"lone CR ends a line", false, "a,b,c\rx,y,z\r",
         "Column 1|Column 2|Column 3\na|b|c\nx|y|z"},
        {"lone CR in quotes is a space", true, "h\r\"x\ry\"\r", "h\nx y"},
        {"UTF-16 big-endian", true,
         "\xFE\xFF\0a\0;\0b\0\r\0"
         "1\0;\0\xE9\0\r"s,
         "a|b\n1|é"},
        {"blank lines before the first record", false, "\n \r\n1;2\n\n3;4",
         "Column 1|Column 2\n1|2\n|\n3|4"},
        {"sep line", true, "sep=;\nMontant (€, TTC);Nom\n3,50;Rémi\n",
         "Montant (€, TTC)|Nom\n3,50|Rémi"},
        {"sep line, then blank lines", false, "sep=|\r\n\r\na|b\r\n", "Column 1|Column 2\na|b"},
        {"sep line names one character", true, "sep=ab\nx\n", "sep=ab\nx"},
        {"sep line cannot name the quote", true, "sep=\"\nx\n", "sep=\"\nx"},
        {"empty file", false, "", ""},
        {"empty file with names", true, "", ""},
        {"names only", true, "a,b\n", "a|b"},
        {"semicolons", true, "Nom;Ville\nPaul;Lyon\n", "Nom|Ville\nPaul|Lyon"},
        {"semicolons, quoted comma", true, "N;V\n\"Dupont, Paul\";Lyon\n",
         "N|V\nDupont, Paul|Lyon"},
        {"quoted semicolon", true, "\"a;b\",c\nd,e\n", "a;b|c\nd|e"},
        {"only a quoted semicolon", true, "\"a;b\"\nc,d\n", "a;b|Column 2\nc|d"},
        {"a tie goes to the semicolon", true, "a;b,c\n1;2,3\n", "a|b,c\n1|2,3"},
        {"the most regular separator", true, "a,b;c\n1,2;3,4\n5,6;7,8\n",
         "a,b|c\n1,2|3,4\n5,6|7,8"},
        {"quoted comma on the first line", false, "\"Dupont, Paul\";Lyon\n",
         "Column 1|Column 2\nDupont, Paul|Lyon"},
        {"unclosed quote", true, "Name,Note\n\"Bob\" Smith,x\nAlice,y\nCarol,z\n",
         "Name|Note\n\"Bob\" Smith|x\nAlice|y\nCarol|z"},
        {"stray quote on every line", true, "a,b\n\"1,2\n\"3,4\n\"5,6", "a|b\n\"1|2\n\"3|4\n\"5|6"},
        {"unclosed quote after a quoted line break", false, "\"a\nb\",x,\"open\nnext\n",
         "Column 1|Column 2|Column 3\na b|x|\"open\nnext||"},
        {"quoted fields after an unclosed quote", true, "a,b\n\"open,1\n\"\",\"\"\"\"\n",
         "a|b\n\"open|1\n|\""},
        {"quoted line break", true, "h1,h2\n\"two\nlines\",x\n", "h1|h2\ntwo lines|x"},
        {"tab and CR LF in quotes", true, "h\n\"a\tb\"\n\"c\r\nd\"\n", "h\na b\nc d"},
        {"line break in a name", true, "\"first\nname\",b\n1,2\n", "first name|b\n1|2"},
        {"doubled quotes", true, "q\n\"say \"\"hi\"\"\"\n", "q\nsay \"hi\""},
        {"extra fields add columns", true, "a,b\n1,2,3\n", "a|b|Column 3\n1|2|3"},
        {"missing fields empty", true, "a,b,c\n1\n", "a|b|c\n1||"},
        {"Windows-1252", true, "Pr\xE9nom,Ville\nJos\xE9,S\xE8te\n", "Prénom|Ville\nJosé|Sète"},
        {"UTF-8 with BOM", true,
         "\xEF\xBB\xBF"
         "a,b\n1,2\n",
         "a|b\n1|2"},
    };
    for (const CsvCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        Session s;
        s.prompt.openPaths = {files.Write("in.csv", c.bytes)};
        s.prompt.answers = {c.header ? Answer::Yes : Answer::No};
        EXPECT_TRUE(s.doc.OnImport(FileFormat::Csv));
        ExpectImported(s, c.expected);
        ASSERT_EQ(s.prompt.messages.size(), 1u);
        EXPECT_EQ(s.prompt.messages[0].buttons, Buttons::YesNo);
    }
}

// A big CSV, read by two parsers, is checked as UTF-8 while it is read:
// one byte that is not, in either half or on the last line, has the whole
// file read again as Windows-1252, imported or opened.
TEST(ImportTest, ABigCsvIsCheckedAsItIsRead)
{
    constexpr int kRows = 45000;
    std::string letters;
    for (int k = 0; k < 50; ++k)
        letters += "\xC3\xA9";
    for (const int stray : {-1, 10, kRows * 3 / 4, kRows}) {
        for (const bool opened : {false, true}) {
            SCOPED_TRACE(std::to_string(stray) + (opened ? " opened" : " imported"));
            std::string bytes;
            for (int row = 0; row <= kRows; ++row) {
                if (row == stray)
                    bytes += "S\xE8te,y\n";
                if (row < kRows)
                    bytes += letters + std::to_string(row) + ",texte\n";
            }
            TempFiles files;
            Session s;
            const QString path = files.Write("big.csv", bytes);
            s.prompt.openPaths = {path};
            s.prompt.answers = {Answer::No};
            ASSERT_TRUE(opened ? s.doc.OpenDocumentFile(path) : s.doc.OnImport(FileFormat::Csv));
            const bool windows1252 = stray >= 0;
            const QString first = QString(50, QChar(0xE9)) + QStringLiteral("0");
            const QByteArray firstBytes = first.toUtf8();
            EXPECT_EQ(s.grid.ItemTextView(0, 0), windows1252
                                                     ? QString::fromLatin1(firstBytes).toStdString()
                                                     : firstBytes.toStdString());
            EXPECT_EQ(s.grid.ItemTextView(kRows - 1, 1), "texte");
            if (windows1252) {
                EXPECT_EQ(s.grid.ItemTextView(stray, 0), "Sète");
            }
            // Read again alone, the file is counted once.
            EXPECT_LE(std::ranges::max(s.progress.values), 100);
        }
    }
}

// The two ways a file is imported.
enum class Route
{
    TextMenu,
    CsvMenu
};

bool Import(Session& s, Route route, const QString& path)
{
    switch (route) {
    case Route::TextMenu:
        s.prompt.openPaths = {path};
        return s.doc.OnImport(FileFormat::Text);
    case Route::CsvMenu:
        s.prompt.openPaths = {path};
        return s.doc.OnImport(FileFormat::Csv);
    }
    return false;
}

struct RouteCase
{
    const char* name;
    Route route;
    QString file;
    std::string bytes;
};

const std::vector<RouteCase> kRoutes = {
    {"text", Route::TextMenu, "people.txt", "Nom\tVille\nPaul\tLyon\n"},
    {"csv", Route::CsvMenu, "people.csv", "Nom,Ville\nPaul,Lyon\n"},
};

TEST(ImportTest, ImportDropsThePathAndProposesAListName)
{
    for (const RouteCase& c : kRoutes) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        Session s;
        s.doc.SetPathName(files.Path("old.tbw"));
        s.prompt.answers = {Answer::Yes};
        ASSERT_TRUE(Import(s, c.route, files.Write(c.file, c.bytes)));
        EXPECT_EQ(Dump(s.grid), "Nom|Ville\nPaul|Lyon");
        EXPECT_TRUE(s.doc.GetPathName().isEmpty());
        EXPECT_FALSE(s.doc.IsModified());

        // Save asks for a list name rather than writing over the imported file.
        EXPECT_FALSE(s.doc.DoFileSave());
        ASSERT_EQ(s.prompt.saveProposals.size(), 1);
        EXPECT_EQ(s.prompt.saveProposals[0],
                  files.Path(QFileInfo(c.file).completeBaseName() + ".tbw"));
        EXPECT_EQ(files.Read(files.Path(c.file)), c.bytes);
        EXPECT_EQ(files.Read(files.Path("old.tbw")), "<missing>");
    }
}

// A row keeps no empty cells at its end, however it was read: a record of
// empty fields is an empty row, as one typed in would be, and the columns a
// longer record adds cost the rows before it nothing.
TEST(ImportTest, RowsKeepNoEmptyCellsAtTheirEnd)
{
    const struct
    {
        const char* name;
        std::string bytes;
        Answer header;
        int columns;
        std::vector<std::string> rows;
    } cases[] = {
        {"empty fields at a record's end",
         "a,b,c\r\n,,\r\nx,,\r\n\"\",\"y\",\r\n",
         Answer::Yes,
         3,
         {"", "x", "\ty"}},
        {"columns added later", "1\n2,3,4\n", Answer::No, 3, {"1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        Session s;
        s.prompt.openPaths = {files.Write("in.csv", c.bytes)};
        s.prompt.answers = {c.header};
        ASSERT_TRUE(s.doc.OnImport(FileFormat::Csv));
        ASSERT_EQ(s.grid.GetColumnCount(), c.columns);
        for (std::size_t r = 0; r < c.rows.size(); ++r)
            EXPECT_EQ(s.grid.JoinedRowView(static_cast<int>(r)), c.rows[r]);
    }
}

TEST(ImportTest, ListImportedFromUtf16IsSavedAsUtf8)
{
    TempFiles files;
    Session s;
    s.prompt.openPaths = {files.Write("in.txt", "\xFF\xFEN\0o\0m\0\r\0\n\0R\0\xE9\0m\0i\0"s)};
    ASSERT_TRUE(s.doc.OnImport(FileFormat::Text));
    EXPECT_EQ(Dump(s.grid), "Nom\nRémi");
    EXPECT_EQ(s.doc.FileEncoding(), TextEncoding::Utf8);
    ASSERT_TRUE(s.doc.DoSave(files.Path("out.tbw")));
    EXPECT_NE(files.Read(files.Path("out.tbw")).find("Rémi"), std::string::npos);
}

TEST(ImportTest, CancelledOrUnreadableImportLeavesTheListAlone)
{
    for (const RouteCase& c : kRoutes) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        Session s;
        Fill(s.grid, {"A", "B"}, {{"1", "2"}});
        s.doc.SetPathName(files.Path("old.tbw"));
        EXPECT_FALSE(Import(s, c.route, QString()));
        EXPECT_TRUE(s.prompt.messages.empty());
        EXPECT_FALSE(Import(s, c.route, files.Path("missing-" + c.file)));
        EXPECT_EQ(Dump(s.grid), "A|B\n1|2");
        EXPECT_EQ(s.doc.GetPathName(), files.Path("old.tbw"));
        EXPECT_FALSE(s.doc.m_bLoaded);
        EXPECT_TRUE(s.progress.values.empty());
        ASSERT_EQ(s.prompt.messages.size(), 1u);
        EXPECT_EQ(s.prompt.messages[0].buttons, Buttons::Ok);
    }
}

TEST(ImportTest, ModifiedListIsOfferedForSavingFirst)
{
    struct SaveCase
    {
        const char* name;
        Answer answer;
        bool imported;
        bool saved;
    };
    const std::vector<SaveCase> cases = {
        {"cancel", Answer::Cancel, false, false},
        {"no", Answer::No, true, false},
        {"yes", Answer::Yes, true, true},
    };
    for (const Route route : {Route::TextMenu, Route::CsvMenu}) {
        for (const SaveCase& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " route " + std::to_string(static_cast<int>(route)));
            TempFiles files;
            Session s;
            Fill(s.grid, {"A"}, {{"old"}});
            s.doc.SetPathName(files.Path("old.tbw"));
            MarkModified(s.doc);
            s.prompt.answers = {c.answer, Answer::Yes};
            const QString path =
                files.Write(route == Route::TextMenu ? "new.txt" : "new.csv", "B\nnew\n");
            EXPECT_EQ(Import(s, route, path), c.imported);
            ASSERT_FALSE(s.prompt.messages.empty());
            EXPECT_EQ(s.prompt.messages[0].buttons, Buttons::YesNoCancel);
            EXPECT_EQ(Dump(s.grid), c.imported ? "B\nnew" : "A\nold");
            // An import replaces the whole list: nothing is left to save.
            EXPECT_EQ(s.doc.IsModified(), !c.imported);
            EXPECT_EQ(files.Read(files.Path("old.tbw")).starts_with("V\t1.6\r\nH\t\"A\"\t\r\n"),
                      c.saved);
            if (!c.imported) {
                EXPECT_EQ(s.doc.GetPathName(), files.Path("old.tbw"));
            }
        }
    }
}

} // namespace
