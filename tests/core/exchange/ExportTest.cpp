#include "TestDoubles.h"

#include "document/TablewrightDoc.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Answer = IUserPrompt::Answer;

enum class Format
{
    Text,
    CsvWithNames,
    CsvRowsOnly,
    Html
};

bool Export(Session& s, Format format)
{
    switch (format) {
    case Format::Text:
        return s.doc.OnExport(FileFormat::Text);
    case Format::CsvWithNames:
        s.prompt.answers = {Answer::Yes};
        return s.doc.OnExport(FileFormat::Csv);
    case Format::CsvRowsOnly:
        s.prompt.answers = {Answer::No};
        return s.doc.OnExport(FileFormat::Csv);
    case Format::Html:
        return s.doc.OnExport(FileFormat::Html);
    }
    return false;
}

// The page around the table the HTML export writes; table holds the lines
// from the <table> tag to the last row.
std::string HtmlPage(const std::string& title, const std::string& table)
{
    return "<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>" + title +
           "</title>\r\n<style type=\"text/css\">\r\n<!--\r\n"
           "td {font-family:arial; font-size:10pt;}\r\n-->\r\n</style>\r\n</head>\r\n<body>\r\n" +
           table + "</table>\r\n</body>\r\n</html>\r\n";
}

std::string HeaderCell(int width, const std::string& name)
{
    return "<td width=" + std::to_string(width) + " bgcolor=\"#e0e0e0\"><b>" + name +
           "</b></td>\r\n";
}

struct Grid
{
    std::vector<std::string> names;
    std::vector<std::vector<std::string>> rows;
    std::vector<int> widths = {};
};

const Grid kPaul = {{"Nom", "Ville"}, {{"Paul", ""}}, {100, 150}};
const Grid kShort = {{"", "B", "Ç"}, {{"x"}}};
const Grid kQuotes = {{"He said \"x\"", ""}, {{"say \"hi\"", "a,b"}, {"\"", "%s"}}};
const Grid kLinks = {
    {"http://nom.fr"},
    {{"http://quire.fr"}, {"HTTP://QUIRE.FR"}, {"http-no-colon"}, {"see http://x"}, {"http:"}},
    {80}};
const Grid kMarkup = {{"<b>", ""}, {{"a & \"b\"", "https://a.fr/?q=1&r=<2>"}}};
const Grid kNoRows = {{"A"}, {}};
const Grid kNothing = {};

struct ExportCase
{
    const char* name;
    Format format;
    Grid grid;
    std::string expected;
};

TEST(ExportTest, WritesTheGridByteForByte)
{
    const std::vector<ExportCase> cases = {
        {"text", Format::Text, kPaul, "Nom\tVille\r\nPaul\t \r\n"},
        {"text, blanks", Format::Text, kShort, " \tB\tÇ\r\nx\t \t \r\n"},
        {"text, quotes", Format::Text, kQuotes,
         "He said \"x\"\t \r\nsay \"hi\"\ta,b\r\n\"\t%s\r\n"},
        {"text, no rows", Format::Text, kNoRows, "A\r\n"},
        {"text, nothing", Format::Text, kNothing, "\r\n"},
        {"csv", Format::CsvWithNames, kPaul, "\"Nom\",\"Ville\"\r\n\"Paul\",\" \"\r\n"},
        {"csv rows", Format::CsvRowsOnly, kPaul, "\"Paul\",\" \"\r\n"},
        {"csv, quotes", Format::CsvWithNames, kQuotes,
         "\"He said \"\"x\"\"\",\" \"\r\n\"say \"\"hi\"\"\",\"a,b\"\r\n\"\"\"\",\"%s\"\r\n"},
        {"csv, no rows", Format::CsvWithNames, kNoRows, "\"A\"\r\n"},
        {"csv rows, no rows", Format::CsvRowsOnly, kNoRows, ""},
        {"csv, nothing", Format::CsvWithNames, kNothing, "\r\n"},
        {"html", Format::Html, kPaul,
         HtmlPage(
             "",
             "<table width=250 border=0>\r\n<tr>\r\n" + HeaderCell(100, "Nom") +
                 HeaderCell(150, "Ville") +
                 "</tr>\r\n<tr><td width=100>Paul</td>\r\n<td width=150>&nbsp;</td>\r\n</tr>\r\n")},
        {"html, links", Format::Html, kLinks,
         HtmlPage("", "<table width=80 border=0>\r\n<tr>\r\n" + HeaderCell(80, "http://nom.fr") +
                          "</tr>\r\n<tr><td width=80><a href=\"http://quire.fr\">"
                          "http://quire.fr</a></td>\r\n</tr>\r\n"
                          "<tr><td width=80>HTTP://QUIRE.FR</td>\r\n</tr>\r\n"
                          "<tr><td width=80>http-no-colon</td>\r\n</tr>\r\n"
                          "<tr><td width=80>see http://x</td>\r\n</tr>\r\n"
                          "<tr><td width=80><a href=\"http:\">http:</a></td>\r\n</tr>\r\n")},
        {"html, markup", Format::Html, kMarkup,
         HtmlPage("", "<table width=200 border=0>\r\n<tr>\r\n" + HeaderCell(100, "&lt;b&gt;") +
                          HeaderCell(100, "&nbsp;") +
                          "</tr>\r\n<tr><td width=100>a &amp; &quot;b&quot;</td>\r\n"
                          "<td width=100><a href=\"https://a.fr/?q=1&amp;r=&lt;2&gt;\">"
                          "https://a.fr/?q=1&amp;r=&lt;2&gt;</a></td>\r\n</tr>\r\n")},
        {"html, no rows", Format::Html, kNoRows,
         HtmlPage("",
                  "<table width=100 border=0>\r\n<tr>\r\n" + HeaderCell(100, "A") + "</tr>\r\n")},
        {"html, nothing", Format::Html, kNothing,
         HtmlPage("", "<table width=0 border=0>\r\n<tr>\r\n</tr>\r\n")},
    };
    for (const ExportCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        Session s;
        Fill(s.grid, c.grid.names, c.grid.rows);
        for (std::size_t i = 0; i < c.grid.widths.size(); ++i)
            s.grid.SetColumnWidth(static_cast<int>(i), c.grid.widths[i]);
        const std::string before = Dump(s.grid);
        s.prompt.savePaths = {files.Path("out")};
        EXPECT_TRUE(Export(s, c.format));
        EXPECT_EQ(files.Read(files.Path("out")), c.expected);
        EXPECT_EQ(Dump(s.grid), before);
        EXPECT_FALSE(s.doc.IsModified());
        ASSERT_FALSE(s.progress.values.empty());
        EXPECT_EQ(s.progress.values.front(), 0);
        EXPECT_EQ(s.progress.values.back(), 0);
    }
}

TEST(ExportTest, HtmlTitleIsTheDocumentFileName)
{
    TempFiles files;
    Session s;
    Fill(s.grid, {"A"}, {});
    s.doc.SetPathName(files.Path("Mes & <listes>.tbw"));
    s.prompt.savePaths = {files.Path("out.html")};
    EXPECT_TRUE(s.doc.OnExport(FileFormat::Html));
    EXPECT_NE(files.Read(files.Path("out.html"))
                  .find("<head>\r\n<meta charset=\"utf-8\">\r\n"
                        "<title>Mes &amp; &lt;listes&gt;.tbw</title>\r\n"),
              std::string::npos);
}

TEST(ExportTest, ProgressFollowsTheRows)
{
    Session s;
    TempFiles files;
    Fill(s.grid, {"A"}, {{"1"}, {"2"}, {"3"}});
    s.prompt.savePaths = {files.Path("out.txt")};
    EXPECT_TRUE(s.doc.OnExport(FileFormat::Text));
    EXPECT_EQ(s.progress.values, (std::vector<int>{0, 25, 50, 75, 0}));

    // Many rows: each percentage once, not once a row.
    s.grid.DeleteAllItems();
    Fill(s.grid, {}, std::vector<std::vector<std::string>>(1000, {"x"}));
    for (const Format format : {Format::Text, Format::CsvWithNames, Format::Html}) {
        SCOPED_TRACE(static_cast<int>(format));
        s.progress.values.clear();
        s.prompt.savePaths = {files.Path("many")};
        EXPECT_TRUE(Export(s, format));
        std::vector<int> expected = {0};
        for (int percent = 1; percent <= 99; ++percent)
            expected.push_back(percent);
        expected.push_back(0);
        EXPECT_EQ(s.progress.values, expected);
    }
}

// The empty rows at the end of a list, such as the one every opened list
// keeps for typing, are not part of the table; empty rows between others are.
TEST(ExportTest, EmptyRowsAtTheEndAreLeftOut)
{
    const std::pair<Format, std::string> cases[] = {
        {Format::Text, "A\tB\r\n1\t \r\n \t \r\n \t2\r\n"},
        {Format::CsvRowsOnly, "\"1\",\" \"\r\n\" \",\" \"\r\n\" \",\"2\"\r\n"},
    };
    for (const auto& [format, expected] : cases) {
        SCOPED_TRACE(static_cast<int>(format));
        TempFiles files;
        Session s;
        Fill(s.grid, {"A", "B"}, {{"1"}, {}, {"", "2"}, {}, {"", ""}});
        s.prompt.savePaths = {files.Path("out")};
        EXPECT_TRUE(Export(s, format));
        EXPECT_EQ(files.Read(files.Path("out")), expected);
        EXPECT_EQ(s.grid.GetItemCount(), 5);
    }
    TempFiles files;
    Session s;
    Fill(s.grid, {"A"}, {{"1"}, {}, {"2"}, {}});
    s.prompt.savePaths = {files.Path("out.html")};
    EXPECT_TRUE(Export(s, Format::Html));
    const std::string page = files.Read(files.Path("out.html"));
    const std::string body = page.substr(page.find("</tr>") + 7);
    EXPECT_EQ(body.substr(0, body.find("</table>")),
              "<tr><td width=100>1</td>\r\n</tr>\r\n<tr><td width=100>&nbsp;</td>\r\n</tr>\r\n"
              "<tr><td width=100>2</td>\r\n</tr>\r\n");
}

// A CSV file opened and exported again comes back the same, however often.
TEST(ExportTest, CsvComesBackAsItWent)
{
    TempFiles files;
    Session s;
    const std::string csv = "\"Nom\",\"Ville\"\r\n\"Paul\",\"Lyon\"\r\n";
    QString in = files.Write("round0.csv", csv);
    for (int round = 1; round <= 3; ++round) {
        s.prompt.answers = {Answer::Yes};
        ASSERT_TRUE(s.doc.OpenDocumentFile(in));
        ASSERT_TRUE(s.doc.DoSave(files.Path("list.tbw")));
        ASSERT_TRUE(s.doc.OpenDocumentFile(files.Path("list.tbw")));
        in = files.Path(QStringLiteral("round%1.csv").arg(round));
        s.prompt.savePaths = {in};
        ASSERT_TRUE(Export(s, Format::CsvWithNames));
        EXPECT_EQ(files.Read(in), csv);
    }
}

TEST(ExportTest, HtmlTableWidthIsTheExactSum)
{
    TempFiles files;
    Session s;
    const int columns = 32769;
    s.grid.InsertColumns(0, std::vector<std::string>(columns, "c"), 65535);
    s.prompt.savePaths = {files.Path("wide.html")};
    ASSERT_TRUE(s.doc.OnExport(FileFormat::Html));
    EXPECT_NE(files.Read(files.Path("wide.html")).find("<table width=2147516415 border=0>"),
              std::string::npos);
}

const std::vector<Format> kFormats = {Format::Text, Format::CsvWithNames, Format::Html};

TEST(ExportTest, FailedWriteIsReported)
{
    for (const Format format : kFormats) {
        for (const char* target : {"missing/out.txt", "folder"}) {
            SCOPED_TRACE(std::string(target) + " format " +
                         std::to_string(static_cast<int>(format)));
            TempFiles files;
            QDir().mkpath(files.Path("folder"));
            files.Write("folder/keep.txt", "keep");
            Session s;
            Fill(s.grid, {"A"}, {{"1"}});
            const QString path = files.Path(target);
            s.prompt.savePaths = {path};
            EXPECT_FALSE(Export(s, format));
            ASSERT_FALSE(s.prompt.messages.empty());
            EXPECT_TRUE(s.prompt.messages.back().text.contains(path));
            EXPECT_EQ(s.prompt.messages.back().icon, IUserPrompt::Icon::Error);
            EXPECT_EQ(files.Read(files.Path("folder/keep.txt")), "keep");
            EXPECT_TRUE(QFileInfo(files.Path("folder")).isDir());
            EXPECT_FALSE(QFileInfo::exists(files.Path("missing")));
        }
    }
}

TEST(ExportTest, WritesOnlyWhereTheUserChose)
{
    for (const Format format : kFormats) {
        SCOPED_TRACE(static_cast<int>(format));
        TempFiles files;
        Session s;
        Fill(s.grid, {"A"}, {{"1"}});
        EXPECT_FALSE(Export(s, format));
        EXPECT_TRUE(s.prompt.messages.empty());
        EXPECT_TRUE(s.progress.values.empty());
        EXPECT_TRUE(QFileInfo(files.Path("x")).dir().isEmpty());

        // Over an existing file, nothing of its old bytes remains.
        const QString path = files.Write("out", std::string(5000, '~'));
        s.prompt.savePaths = {files.Path("fresh"), path};
        EXPECT_TRUE(Export(s, format));
        EXPECT_TRUE(Export(s, format));
        EXPECT_EQ(files.Read(path), files.Read(files.Path("fresh")));
    }
}

} // namespace
