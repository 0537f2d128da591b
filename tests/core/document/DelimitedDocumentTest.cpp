#include "document/TablewrightDoc.h"

#include "TestDoubles.h"

#include <QStringDecoder>

#include <functional>

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;
using Answer = IUserPrompt::Answer;
using Question = IUserPrompt::Question;

std::string Utf16Le(const std::string& utf8)
{
    const QString text = QString::fromStdString(utf8);
    std::string bytes("\xFF\xFE");
    for (const QChar c : text) {
        bytes.push_back(static_cast<char>(c.unicode() & 0xFF));
        bytes.push_back(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

// Opens name holding bytes as a document; header answers the CSV question.
bool Open(Session& s, const TempFiles& files, const QString& name, const std::string& bytes,
          bool header = true)
{
    s.prompt.answers = {header ? Answer::Yes : Answer::No};
    return s.doc.OpenDocumentFile(files.Write(name, bytes));
}

struct DialectCase
{
    const char* name;
    QString file;
    std::string bytes;
    int row;
    int column;
    std::string text;
    std::string expected;
    bool header = true;
};

// Every dialect comes back byte for byte when nothing changed, and when a
// cell changed only its row is written afresh, in the file's own dialect.
TEST(DelimitedDocumentTest, SaveWritesTheFileBackInItsDialect)
{
    const std::vector<DialectCase> cases = {
        {"comma, LF", "a.csv", "a,b\n1,2\n3,4\n", 0, 0, "X", "a,b\nX,2\n3,4\n"},
        {"semicolon, CR LF, no last line end", "a.csv", "a;b\r\n1;2\r\n3;4", 1, 1, "X",
         "a;b\r\n1;2\r\n3;X"},
        {"lone CR", "a.csv", "a,b\r1,2\r", 0, 0, "X", "a,b\rX,2\r"},
        {"mixed line ends kept", "a.csv", "a,b\r\n1,2\n3,4\r\n", 1, 0, "X", "a,b\r\n1,2\nX,4\r\n"},
        {"sep= line", "a.csv", "sep=|\r\na|b\r\n1|2\r\n", 0, 0, "X", "sep=|\r\na|b\r\nX|2\r\n"},
        {"every field quoted", "a.csv", "\"a\",\"b\"\r\n\"1\",\"\"\r\n", 0, 0, "X",
         "\"a\",\"b\"\r\n\"X\",\"\"\r\n"},
        {"filled fields quoted", "a.csv", "\"a\",\"b\"\n\"1\",\n", 0, 0, "X",
         "\"a\",\"b\"\n\"X\",\n"},
        {"text quoted, numbers bare", "a.csv", "\"Nom\";\"N\"\n\"Émile\";12\n\"Zoé\";\n", 1, 0, "X",
         "\"Nom\";\"N\"\n\"Émile\";12\n\"X\";\n"},
        {"a line break kept in the other cells", "a.csv", "a,b\n\"l1\r\nl2\",x\n", 0, 1, "Y",
         "a,b\n\"l1\r\nl2\",Y\n"},
        {"quotes where needed", "a.csv", "n,v\n\"x, y\",\"1\"\n2,3\n", 1, 0, "say \"hi\", 2",
         "n,v\n\"x, y\",\"1\"\n\"say \"\"hi\"\", 2\",3\n"},
        {"a line break kept in an unchanged row", "a.csv", "a,b\n\"l1\r\nl2\",x\n1,2\n", 1, 0, "X",
         "a,b\n\"l1\r\nl2\",x\nX,2\n"},
        {"short row keeps its fields", "a.csv", "a,b,c\n1\n2,3,4\n", 0, 0, "X",
         "a,b,c\nX\n2,3,4\n"},
        {"short row grows to a filled cell", "a.csv", "a,b,c\n1\n2,3,4\n", 0, 2, "Z",
         "a,b,c\n1,,Z\n2,3,4\n"},
        {"blank lines are rows", "a.csv", "a,b\n\n1,2\n", 1, 0, "X", "a,b\n\nX,2\n"},
        {"blank lines before the names", "a.csv", "\n\na,b\n1,2\n", 0, 1, "X", "\n\na,b\n1,X\n"},
        {"no names", "a.csv", "1,2\n3,4\n", 0, 0, "X", "X,2\n3,4\n", false},
        {"UTF-8 with its mark", "a.csv", "\xEF\xBB\xBFn;é\r\n1;2\r\n", 0, 1, "ü",
         "\xEF\xBB\xBFn;é\r\n1;ü\r\n"},
        {"Windows-1252", "a.csv", "Pr\xE9nom;Ville\r\nJos\xE9;S\xE8te\r\n", 0, 1, "Évian",
         "Pr\xE9nom;Ville\r\nJos\xE9;\xC9vian\r\n"},
        {"UTF-16 tab text", "a.txt", Utf16Le("a\tb\r\n1\t2\r\n3\t4\r\n"), 1, 1, "é",
         Utf16Le("a\tb\r\n1\t2\r\n3\té\r\n")},
        {"tab-separated .tsv", "a.tsv", "a\tb\n\"q\"\"\"\t2\n", 0, 1, "X", "a\tb\n\"q\"\"\"\tX\n"},
        {"pipes", "a.csv", "a|b|c\n1|2|3\n", 0, 2, "a|b", "a|b|c\n1|2|\"a|b\"\n"},
    };
    for (const DialectCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        Session s;
        ASSERT_TRUE(Open(s, files, c.file, c.bytes, c.header));
        const QString path = files.Path(c.file);

        ASSERT_TRUE(s.doc.DoFileSave());
        EXPECT_EQ(TempFiles::Read(path), c.bytes) << "saved unchanged";

        const std::string before = s.grid.GetItemText(c.row, c.column);
        s.grid.SetItemText(c.row, c.column, c.text);
        ASSERT_TRUE(s.doc.DoFileSave());
        EXPECT_EQ(TempFiles::Read(path), c.expected) << "one cell changed";

        s.grid.SetItemText(c.row, c.column, "changed");
        s.grid.SetItemText(c.row, c.column, c.text);
        ASSERT_TRUE(s.doc.DoFileSave());
        EXPECT_EQ(TempFiles::Read(path), c.expected) << "changed and changed back";

        Session again;
        ASSERT_TRUE(Open(again, files, c.file, c.expected, c.header));
        EXPECT_EQ(again.grid.GetItemText(c.row, c.column), c.text) << "read back";
        EXPECT_EQ(again.doc.Dialect() ? *again.doc.Dialect() : CsvDialect(), *s.doc.Dialect());
        EXPECT_NE(before, c.text);
    }
}

// The file is read a megabyte at a time: a CR LF cut in two by the read is
// one line end, in UTF-8 as in UTF-16.
TEST(DelimitedDocumentTest, ALineEndAcrossTheReadsIsOneLineEnd)
{
    constexpr std::size_t kRead = 1 << 20;
    const std::string utf8 = "h\r\n" + std::string(kRead - 4, 'a') + "\r\nb\r\n";
    const std::string utf16 = Utf16Le("h\r\n" + std::string(kRead / 2 - 4, 'a') + "\r\nb\r\n");
    for (const std::string& bytes : {utf8, utf16}) {
        SCOPED_TRACE(bytes.size());
        TempFiles files;
        Session s;
        ASSERT_TRUE(Open(s, files, "a.txt", bytes));
        s.grid.SetItemText(1, 0, "c");
        ASSERT_TRUE(s.doc.DoFileSave());
        Session again;
        ASSERT_TRUE(Open(again, files, "a.txt", TempFiles::Read(files.Path("a.txt"))));
        const std::string shown = Dump(again.grid);
        EXPECT_EQ(shown.substr(shown.size() - 4), "a\nc\n");
        EXPECT_EQ(TempFiles::Read(files.Path("a.txt")).size(), bytes.size());
        EXPECT_EQ(s.doc.Dialect()->lineEnd, CsvDialect::LineEnd::CrLf);
    }
}

using Change = std::function<void(CGridListCtrl&)>;

struct ChangeCase
{
    const char* name;
    std::string bytes;
    Change change;
    std::string expected;
};

// Rows keep their bytes wherever they go; only what changed is written
// afresh, and the row kept for typing is not written until typed in.
TEST(DelimitedDocumentTest, RowsKeepTheirBytesThroughEveryChange)
{
    const std::string file = "h,i\n\"b\",1\nc,2\n\"a\", 3\n";
    const std::vector<ChangeCase> cases = {
        {"rows moved", file,
         [](CGridListCtrl& g) {
             g.PermuteRows({2, 0, 1, 3});
         },
         "h,i\n\"a\", 3\n\"b\",1\nc,2\n"},
        {"row deleted", file, [](CGridListCtrl& g) { g.DeleteItem(1); },
         "h,i\n\"b\",1\n\"a\", 3\n"},
        {"row copied", file, [](CGridListCtrl& g) { g.CopyRow(0, 3); },
         "h,i\n\"b\",1\nc,2\n\"a\", 3\n\"b\",1\n"},
        {"row typed into the typing row", file, [](CGridListCtrl& g) { g.SetItemText(3, 1, "4"); },
         "h,i\n\"b\",1\nc,2\n\"a\", 3\n,4\n"},
        {"empty rows appended", file, [](CGridListCtrl& g) { g.AppendEmptyRows(3); }, file},
        {"the typing row sorted first", file, [](CGridListCtrl& g) { g.PermuteRows({3, 0, 1, 2}); },
         file},
        {"after a row inserted and left empty", file,
         [](CGridListCtrl& g) {
             g.InsertItem(1, "");
             g.SetItemText(2, 1, "x");
         },
         "h,i\n\"b\",1\nc,x\n\"a\", 3\n"},
        {"column added at the end", file, [](CGridListCtrl& g) { g.InsertColumn(2, "j"); },
         "h,i,j\n\"b\",1\nc,2\n\"a\", 3\n"},
        {"column added and filled", file,
         [](CGridListCtrl& g) {
             g.InsertColumn(2, "j");
             g.SetItemText(1, 2, "x");
         },
         "h,i,j\n\"b\",1\nc,2,x\n\"a\", 3\n"},
        {"column deleted", "h,i,j\n1,2,\n3,,\n", [](CGridListCtrl& g) { g.DeleteColumn(2); },
         "h,i\n1,2\n3,\n"},
        {"columns swapped", file,
         [](CGridListCtrl& g) {
             g.PermuteColumns({1, 0});
         },
         "i,h\n1,b\n2,c\n 3,a\n"},
        {"columns moved under a line break", "h,i,j\n\"a\nb\",a b,z\n",
         [](CGridListCtrl& g) { g.PermuteColumns({1, 2, 0}); }, "i,j,h\na b,z,a b\n"},
        {"column renamed", file, [](CGridListCtrl& g) { g.SetColumnName(0, "H"); },
         "H,i\n\"b\",1\nc,2\n\"a\", 3\n"},
        {"row emptied stays", file, [](CGridListCtrl& g) { g.SetItemText(1, 0, ""); },
         "h,i\n\"b\",1\n,2\n\"a\", 3\n"},
    };
    for (const ChangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        Session s;
        ASSERT_TRUE(Open(s, files, "a.csv", c.bytes));
        c.change(s.grid);
        ASSERT_TRUE(s.doc.DoFileSave());
        EXPECT_EQ(TempFiles::Read(files.Path("a.csv")), c.expected);
    }
}

// A file another program changed meanwhile is not copied from: Save asks
// first, and then writes every row afresh; a file that is gone is simply
// written again.
TEST(DelimitedDocumentTest, AFileChangedBehindTheProgramIsAskedAbout)
{
    struct Case
    {
        const char* name;
        bool remove;
        Answer answer;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"overwritten", false, Answer::Yes, "a,b\r\nX,2\r\n"},
        {"kept", false, Answer::No, "a,b,c\n9,9,9\n"},
        {"gone", true, Answer::No, "a,b\r\nX,2\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        Session s;
        ASSERT_TRUE(Open(s, files, "a.csv", "a,b\r\n\"1\",2\r\n"));
        s.grid.SetItemText(0, 0, "X");
        const QString path = files.Path("a.csv");
        if (c.remove)
            QFile::remove(path);
        else
            files.Write("a.csv", "a,b,c\n9,9,9\n");
        EXPECT_TRUE(s.doc.ChangedOnDisk());
        s.prompt.answers = {c.answer};
        EXPECT_EQ(s.doc.DoFileSave(), c.answer == Answer::Yes || c.remove);
        EXPECT_EQ(s.prompt.questions.size(), c.remove ? 1u : 2u);
        EXPECT_EQ(TempFiles::Read(path), c.expected);
    }
}

// Coming back to the front, the program offers to read a changed file
// again, once for each change.
TEST(DelimitedDocumentTest, AChangedFileIsOfferedForReloadingOnce)
{
    TempFiles files;
    Session s;
    ASSERT_TRUE(Open(s, files, "a.csv", "a,b\n1,2\n"));
    EXPECT_FALSE(s.doc.OfferReload());
    files.Write("a.csv", "a,b\n3,4\n5,6\n");
    s.prompt.answers = {Answer::No};
    EXPECT_FALSE(s.doc.OfferReload());
    EXPECT_FALSE(s.doc.OfferReload());
    ASSERT_EQ(s.prompt.questions.back(), Question::ReloadChangedFile);
    EXPECT_EQ(s.prompt.questions.size(), 2u);

    files.Write("a.csv", "a,b\n70,80\n");
    s.prompt.answers = {Answer::Yes, Answer::Yes};
    EXPECT_TRUE(s.doc.OfferReload());
    EXPECT_EQ(Dump(s.grid), "a|b\n70|80\n|");
    EXPECT_FALSE(s.doc.ChangedOnDisk());
}

// A text the file's encoding cannot hold is never dropped: the user chooses
// UTF-8, or nothing is written and told so.
TEST(DelimitedDocumentTest, TextWindows1252CannotHoldIsAskedAbout)
{
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(answer == Answer::Yes ? "UTF-8" : "not saved");
        TempFiles files;
        Session s;
        const std::string bytes = "n;v\r\nJos\xE9;1\r\n";
        ASSERT_TRUE(Open(s, files, "a.csv", bytes));
        s.grid.SetItemText(0, 1, "😀");
        s.prompt.answers = {answer};
        EXPECT_EQ(s.doc.DoFileSave(), answer == Answer::Yes);
        EXPECT_EQ(s.prompt.questions.back(), Question::SaveInUtf8);
        EXPECT_EQ(TempFiles::Read(files.Path("a.csv")),
                  answer == Answer::Yes ? "\xEF\xBB\xBFn;v\r\nJosé;😀\r\n" : bytes);
    }
}

// Save As writes the formats it offers, CSV as « Options CSV » says,
// starting from the document's own dialect; cells keep their line breaks.
TEST(DelimitedDocumentTest, SaveAsTakesTheFormatAndTheOptionsChosen)
{
    TempFiles files;
    Session s;
    ASSERT_TRUE(Open(s, files, "a.csv", "\xEF\xBB\xBF\"a\";\"b\"\n\"1\";\"x\ny\"\n"));
    CsvDialect chosen = *s.doc.Dialect();
    chosen.separator = '\t';
    chosen.quoting = CsvDialect::Quoting::AsNeeded;
    chosen.encoding = TextEncoding::Windows1252;
    chosen.byteOrderMark = false;
    chosen.lineEnd = CsvDialect::LineEnd::CrLf;
    s.prompt.csvOptions = {chosen};
    s.prompt.savePaths = {files.Path("b.csv")};
    ASSERT_TRUE(s.doc.DoFileSaveAs());
    ASSERT_EQ(s.prompt.csvOptionsShown.size(), 1u);
    EXPECT_EQ(s.prompt.csvOptionsShown[0].separator, ';');
    EXPECT_EQ(s.prompt.csvOptionsShown[0].quoting, CsvDialect::Quoting::All);
    EXPECT_EQ(TempFiles::Read(files.Path("b.csv")), "a\tb\r\n1\t\"x\ny\"\r\n");
    EXPECT_EQ(s.doc.GetPathName(), files.Path("b.csv"));
    EXPECT_EQ(s.doc.DialectText(), "CSV Tab · Windows-1252 · CRLF");

    s.prompt.csvOptions = {std::nullopt};
    s.prompt.savePaths = {files.Path("c.csv")};
    EXPECT_FALSE(s.doc.DoFileSaveAs());
    EXPECT_EQ(TempFiles::Read(files.Path("c.csv")), "<missing>");

    s.prompt.savePaths = {files.Path("d.tbw")};
    ASSERT_TRUE(s.doc.DoFileSaveAs());
    EXPECT_EQ(s.doc.Format(), FileFormat::List);
    EXPECT_TRUE(TempFiles::Read(files.Path("d.tbw")).starts_with("V\t"));
    EXPECT_TRUE(s.doc.DialectText().isEmpty());
}

// A .txt written as a list is still a list; any other .txt is text.
TEST(DelimitedDocumentTest, TxtIsAListOnlyWithItsVersionRecord)
{
    TempFiles files;
    Session s;
    ASSERT_TRUE(s.doc.OpenDocumentFile(files.Write("l.txt", "V\t1.6\nH\t\"n\"\t\nR\t\"x\"\t\n")));
    EXPECT_EQ(s.doc.Format(), FileFormat::List);
    ASSERT_TRUE(s.doc.OpenDocumentFile(files.Write("t.txt", "Ville\tV\nParis\t1\n")));
    EXPECT_EQ(s.doc.Format(), FileFormat::Text);
    EXPECT_EQ(Dump(s.grid), "Ville|V\nParis|1\n|");
    EXPECT_EQ(s.doc.DialectText(), "Texte Tab · UTF-8 · LF");
}

} // namespace
