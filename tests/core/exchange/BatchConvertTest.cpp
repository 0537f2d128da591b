#include "TestDoubles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>

namespace {

struct Outcome
{
    int status = -1;
    std::string errors;
};

// Runs "quire --convert args..." with no display.
Outcome Convert(const QStringList& args)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUIRE_EXECUTABLE),
                  QStringList{QStringLiteral("--convert")} + args);
    const bool finished = process.waitForFinished(120000);
    EXPECT_TRUE(finished) << "quire did not finish";
    const bool exited = finished && process.exitStatus() == QProcess::NormalExit;
    return {exited ? process.exitCode() : -1, process.readAllStandardError().toStdString()};
}

const std::string kList = "V\t1.6\r\nH\t\"Nom\"\t\"Ville\"\t\r\nW\t\"100\"\t\"80\"\t\r\n"
                          "R\t\"Paul\"\t\"Lyon\"\t\r\n";
const std::string kCsv = "Nom,Ville\r\nPaul,Lyon\r\n";
const std::string kText = "Nom\tVille\nPaul\tLyon\n";

// What each input holds, by its extension.
std::string InputBytes(const QString& name)
{
    const QString ext = QFileInfo(name).suffix().toLower();
    return ext == "csv" ? kCsv : ext == "txt" || ext == "tsv" ? kText : kList;
}

// A list read from a file ends with one empty row for typing: a saved list
// keeps it, exports leave it out.
const std::string kListAsText = "Nom\tVille\r\nPaul\tLyon\r\n";
const std::string kTable = "Nom\tVille\r\nPaul\tLyon\r\n";
const std::string kTableAsList =
    "V\t1.6\r\nH\t\"Nom\"\t\"Ville\"\t\r\nW\t\"100\"\t\"100\"\t\r\nR\t\"Paul\"\t\"Lyon\"\t\r\n";
const std::string kTableAsCsv = "\"Nom\",\"Ville\"\r\n\"Paul\",\"Lyon\"\r\n";

struct ConvertCase
{
    QString in;
    QString out;
    QStringList options;
    std::string expected; // the whole file; for a page, a piece of it
};

TEST(BatchConvertTest, ConvertsEveryKindOfFile)
{
    const std::vector<ConvertCase> cases = {
        {"list.tbw", "out.txt", {}, kListAsText},
        {"list.tbw", "copy.tbw", {}, kList + "R\t\"\"\t\"\"\t\r\n"},
        {"list.tbw", "out.csv", {}, kTableAsCsv},
        {"list.tbw", "OUT.HTML", {}, "<table width=180 border=0>"},
        {"list.tbw", "out.html", {}, "<title>list.tbw</title>"},
        {"list.dat", "out.TXT", {}, kListAsText},
        {"data.csv", "out.txt", {}, "Column 1\tColumn 2\r\n" + kTable},
        {"data.csv", "out.tsv", {"--csv-header", "yes"}, kTable},
        {"DATA.CSV", "out.tbw", {"--csv-header", "yes"}, kTableAsList},
        {"data.csv",
         "out.csv",
         {"--csv-export-header", "no", "--csv-header", "yes"},
         "\"Paul\",\"Lyon\"\r\n"},
        {"data.csv",
         "out.csv",
         {"--csv-header", "no", "--csv-export-header", "yes"},
         "\"Column 1\",\"Column 2\"\r\n" + kTableAsCsv},
        {"data.csv", "out.html", {}, "<title>data.csv</title>"},
        {"data.txt", "out.csv", {}, kTableAsCsv},
        {"data.tsv", "out.TSV", {}, kTable},
        {"DATA.TXT", "out.tbw", {}, kTableAsList},
        {"DATA.TXT", "out.html", {}, "<title>DATA.TXT</title>"},
    };
    for (const ConvertCase& c : cases) {
        SCOPED_TRACE((c.in + " -> " + c.out + " " + c.options.join(' ')).toStdString());
        TempFiles files;
        const QString out = files.Path(c.out);
        const Outcome outcome =
            Convert(QStringList{files.Write(c.in, InputBytes(c.in)), out} + c.options);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.errors, "");
        const std::string written = files.Read(out);
        if (c.out.endsWith(".html", Qt::CaseInsensitive)) {
            EXPECT_NE(written.find(c.expected), std::string::npos) << written;
        } else {
            EXPECT_EQ(written, c.expected);
        }
    }
}

// Lists to sort, one per input type. The list document has an empty row
// among its rows, and gains one for typing at its end when read.
std::string ListOf(const std::vector<std::pair<std::string, std::string>>& rows)
{
    std::string list = "V\t1.6\r\nH\t\"Nom\"\t\"Ville\"\t\r\nW\t\"100\"\t\"80\"\t\r\n";
    for (const auto& [name, town] : rows)
        list += "R\t\"" + name + "\"\t\"" + town + "\"\t\r\n";
    return list;
}
const std::string kUnsortedList = ListOf({{"a", "1"}, {"b", "2"}, {"", ""}, {"A", "3"}});
const std::string kUnsortedCsv = "Nom,Ville\r\nb,2\r\na,1\r\nA,3\r\n";
const std::string kUnsortedText = "Nom\tVille\nc\t3\nB\t2\na\t1\n";

TEST(BatchConvertTest, SortsBeforeWriting)
{
    const std::vector<ConvertCase> cases = {
        {"list.tbw", "out.txt", {"--sort", "1"}, "Nom\tVille\r\n \t \r\nA\t3\r\na\t1\r\nb\t2\r\n"},
        // Two clicks: a single descending sort would give b, a, A.
        {"list.tbw",
         "out.txt",
         {"--sort", "1", "--descending"},
         "Nom\tVille\r\nb\t2\r\nA\t3\r\na\t1\r\n"},
        {"list.tbw",
         "out.tbw",
         {"--descending", "--sort=1"},
         ListOf({{"b", "2"}, {"A", "3"}, {"a", "1"}, {"", ""}, {"", ""}})},
        {"list.tbw",
         "out.txt",
         {"--sort", "2", "--descending"},
         "Nom\tVille\r\nA\t3\r\nb\t2\r\na\t1\r\n"},
        {"data.csv",
         "out.csv",
         {"--sort", "1", "--csv-header", "yes"},
         "\"Nom\",\"Ville\"\r\n\"A\",\"3\"\r\n\"a\",\"1\"\r\n\"b\",\"2\"\r\n"},
        {"data.txt", "out.txt", {"--sort", "1"}, "Nom\tVille\r\na\t1\r\nB\t2\r\nc\t3\r\n"},
        // Another order, or several keys: one stable sort, the empty row
        // last, where the export leaves it out as the typing row.
        {"list.tbw",
         "out.txt",
         {"--sort", "2", "--order", "number", "--descending"},
         "Nom\tVille\r\nA\t3\r\nb\t2\r\na\t1\r\n"},
        {"list.tbw",
         "out.txt",
         {"--sort", "1", "--order=alpha", "--sort", "2"},
         "Nom\tVille\r\na\t1\r\nA\t3\r\nb\t2\r\n"},
        {"data.txt",
         "out.tbw",
         {"--sort", "2", "--descending"},
         "V\t1.6\r\nH\t\"Nom\"\t\"Ville\"\t\r\nW\t\"100\"\t\"100\"\t\r\n"
         "R\t\"c\"\t\"3\"\t\r\nR\t\"B\"\t\"2\"\t\r\nR\t\"a\"\t\"1\"\t\r\n"},
    };
    for (const ConvertCase& c : cases) {
        SCOPED_TRACE((c.in + " -> " + c.out + " " + c.options.join(' ')).toStdString());
        TempFiles files;
        const std::string bytes = c.in.endsWith(".csv")   ? kUnsortedCsv
                                  : c.in.endsWith(".txt") ? kUnsortedText
                                                          : kUnsortedList;
        const QString out = files.Path(c.out);
        const Outcome outcome = Convert(QStringList{files.Write(c.in, bytes), out} + c.options);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.errors, "");
        EXPECT_EQ(files.Read(out), c.expected);
    }
}

// A column the list does not have is found only once the list is read: a
// failed run, told in one line, with nothing written.
TEST(BatchConvertTest, SortingByAMissingColumnFails)
{
    for (const char* column : {"3", "99999999999"}) {
        SCOPED_TRACE(column);
        TempFiles files;
        const QString out = files.Path("out.csv");
        const Outcome outcome =
            Convert({files.Write("list.tbw", kUnsortedList), out, "--sort", column});
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(std::count(outcome.errors.begin(), outcome.errors.end(), '\n'), 1)
            << outcome.errors;
        EXPECT_NE(outcome.errors.find("colonne de tri inexistante : "), std::string::npos)
            << outcome.errors;
        EXPECT_FALSE(QFileInfo::exists(out));
    }
}

// Only the matching rows are written, by Find's rules, and sorted after.
TEST(BatchConvertTest, FiltersBeforeSorting)
{
    const std::vector<ConvertCase> cases = {
        {"list.tbw", "out.txt", {"--filter", "A"}, "Nom\tVille\r\na\t1\r\nA\t3\r\n"},
        {"list.tbw", "out.txt", {"--filter", "A", "--match-case"}, "Nom\tVille\r\nA\t3\r\n"},
        {"list.tbw",
         "out.txt",
         {"--filter", "a", "--sort", "2", "--descending"},
         "Nom\tVille\r\nA\t3\r\na\t1\r\n"},
        {"list.tbw", "out.txt", {"--filter", "2", "--filter-column", "1"}, "Nom\tVille\r\n"},
        {"data.txt", "out.txt", {"--filter", "b", "--whole-cell"}, "Nom\tVille\r\nB\t2\r\n"},
    };
    for (const ConvertCase& c : cases) {
        SCOPED_TRACE((c.in + " " + c.options.join(' ')).toStdString());
        TempFiles files;
        const std::string bytes = c.in.endsWith(".txt") ? kUnsortedText : kUnsortedList;
        const QString out = files.Path(c.out);
        const Outcome outcome = Convert(QStringList{files.Write(c.in, bytes), out} + c.options);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.errors, "");
        EXPECT_EQ(files.Read(out), c.expected);
    }
    TempFiles files;
    const Outcome missing = Convert({files.Write("list.tbw", kUnsortedList), files.Path("out.txt"),
                                     "--filter", "a", "--filter-column", "3"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.errors,
              "quire: colonne de filtre inexistante : 3 (nombre de colonnes : 2)\n");
}

TEST(BatchConvertTest, NewerListWarnsAndConverts)
{
    TempFiles files;
    const QString in = files.Write("new.tbw", "V\t1.7\r\nH\t\"A\"\t\r\nR\t\"x\"\t\r\n");
    const Outcome outcome = Convert({in, files.Path("out.txt")});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(std::count(outcome.errors.begin(), outcome.errors.end(), '\n'), 1);
    EXPECT_NE(outcome.errors.find("Avertissement"), std::string::npos) << outcome.errors;
    EXPECT_EQ(files.Read(files.Path("out.txt")), "A\r\nx\r\n");
}

TEST(BatchConvertTest, FailuresExitWithOneLine)
{
    struct FailCase
    {
        const char* name;
        QStringList args; // names in the test's folder
    };
    const std::vector<FailCase> cases = {
        {"missing list", {"missing.tbw", "out.txt"}},
        {"missing csv", {"missing.csv", "out.csv"}},
        {"missing text", {"missing.txt", "out.html"}},
        {"output in a missing folder", {"list.tbw", "nowhere/out.txt"}},
        {"list output in a missing folder", {"list.tbw", "nowhere/out.tbw"}},
        {"csv output in a missing folder", {"data.csv", "nowhere/out.csv"}},
        {"html output is a folder", {"list.tbw", "folder.html"}},
        {"unknown output type", {"list.tbw", "out.xls"}},
        {"output without extension", {"list.tbw", "out"}},
    };
    for (const FailCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        files.Write("list.tbw", kList);
        files.Write("data.csv", kCsv);
        QDir().mkpath(files.Path("folder.html"));
        QStringList args;
        for (const QString& arg : c.args)
            args << files.Path(arg);
        const Outcome outcome = Convert(args);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(std::count(outcome.errors.begin(), outcome.errors.end(), '\n'), 1)
            << outcome.errors;
        EXPECT_TRUE(outcome.errors.ends_with("\n")) << outcome.errors;
        for (const char* out : {"out.txt", "out.csv", "out.html", "out.xls", "out"})
            EXPECT_FALSE(QFileInfo::exists(files.Path(out))) << out;
        EXPECT_TRUE(QFileInfo(files.Path("folder.html")).isDir());
    }
}

// What is not a list, or not a regular file, is refused at once: the output
// is not written and a pipe or link is left as it was.
TEST(BatchConvertTest, RefusesWhatIsNotAListOrNotAFile)
{
    struct RefusedCase
    {
        const char* name;
        QString in;
        QString out;
        std::string said;
    };
    const std::vector<RefusedCase> cases = {
        {"password file", "passwd.tbw", "out.txt", "n'est pas une liste Quire"},
        {"password file, no extension", "passwd", "out.csv", "n'est pas une liste Quire"},
        {"pipe as input", "pipe", "out.txt", "n'est pas un fichier ordinaire"},
        {"pipe as csv input", "pipe.csv", "out.txt", "n'est pas un fichier ordinaire"},
        {"pipe as output", "list.tbw", "pipe.tbw", "n'est pas un fichier ordinaire"},
        {"link to a pipe as output", "list.tbw", "link.csv", "n'est pas un fichier ordinaire"},
        {"device as input", "/dev/zero", "out.txt", "n'est pas un fichier ordinaire"},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        files.Write("list.tbw", kList);
        const std::string passwd = "root:x:0:0:root:/root:/bin/bash\n";
        files.Write("passwd.tbw", passwd);
        files.Write("passwd", passwd);
        for (const char* pipe : {"pipe", "pipe.csv", "pipe.tbw"})
            ASSERT_EQ(mkfifo(files.Path(pipe).toLocal8Bit().constData(), 0600), 0);
        QFile::link(files.Path("pipe.tbw"), files.Path("link.csv"));
        const QString in = c.in.startsWith('/') ? c.in : files.Path(c.in);
        const Outcome outcome = Convert({in, files.Path(c.out)});
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(std::count(outcome.errors.begin(), outcome.errors.end(), '\n'), 1)
            << outcome.errors;
        EXPECT_NE(outcome.errors.find(c.said), std::string::npos) << outcome.errors;
        EXPECT_FALSE(QFileInfo::exists(files.Path("out.txt")));
        EXPECT_FALSE(QFileInfo::exists(files.Path("out.csv")));
        EXPECT_EQ(files.Read(files.Path("passwd.tbw")), passwd);
        EXPECT_TRUE(QFileInfo(files.Path("link.csv")).isSymLink());
        struct stat info = {};
        ASSERT_EQ(stat(files.Path("pipe.tbw").toLocal8Bit().constData(), &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode));
    }
}

// A mistake on the command line stops before any file is touched: what is
// wrong, then where to look, and status 2 apart from a failed conversion.
TEST(BatchConvertTest, CommandLineMistakesExitWithStatusTwo)
{
    struct MistakeCase
    {
        QStringList args; // after --convert; IN and OUT are names in the test's folder
        std::string firstLine;
    };
    const std::vector<MistakeCase> cases = {
        {{}, "quire : --convert attend un fichier d'ENTRÉE et un fichier de SORTIE"},
        {{"data.csv"}, "quire : --convert attend un fichier de SORTIE après "},
        {{"data.csv", "out.txt", "--csv-header"},
         "quire : valeur manquante pour --csv-header (yes ou no attendu)"},
        {{"data.csv", "out.txt", "--csv-header", "maybe"},
         "quire : valeur incorrecte pour --csv-header : maybe (yes ou no attendu)"},
        {{"data.csv", "out.txt", "--separator", "yes"}, "quire : option inconnue : --separator"},
        {{"data.csv", "out.txt", "out.csv"}, "quire : argument en trop : "},
        {{"data.csv", "out.txt", "--descending"},
         "quire : --descending ne s'emploie qu'avec --sort"},
        {{"data.csv", "out.txt", "--sort", "0"}, "quire : valeur incorrecte pour --sort : 0 "},
        {{"data.csv", "out.txt", "--sort", "un"}, "quire : valeur incorrecte pour --sort : un "},
        {{"data.csv", "out.txt", "--whole-cell"},
         "quire : --whole-cell ne s'emploie qu'avec --filter"},
    };
    for (const MistakeCase& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        TempFiles files;
        files.Write("data.csv", kCsv);
        QStringList args;
        for (const QString& arg : c.args)
            args << (arg.endsWith(".csv") || arg.endsWith(".txt") ? files.Path(arg) : arg);
        const Outcome outcome = Convert(args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_TRUE(outcome.errors.starts_with(c.firstLine)) << outcome.errors;
        EXPECT_TRUE(outcome.errors.ends_with("\nEssayez « quire --help » pour en savoir plus.\n"))
            << outcome.errors;
        EXPECT_EQ(std::count(outcome.errors.begin(), outcome.errors.end(), '\n'), 2);
        EXPECT_FALSE(QFileInfo::exists(files.Path("out.txt")));
        EXPECT_FALSE(QFileInfo::exists(files.Path("out.csv")));
    }
}

} // namespace
