#include "TestDoubles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

namespace {

// Runs program with args, with no display; its standard output, or a
// failure of the test when it does not run to a zero status.
QString RunTool(const QString& program, const QStringList& args)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(program, args);
    const bool finished = process.waitForFinished(120000);
    EXPECT_TRUE(finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A list of rows, each row's cells naming it.
std::string ListOf(int rows)
{
    std::string text = "V\t1.6\r\nH\t\"Nom\"\t\"Ville\"\t\r\nW\t\"120\"\t\"80\"\t\r\n";
    for (int i = 0; i < rows; ++i)
        text += "R\t\"nom" + std::to_string(i) + "\"\t\"ville" + std::to_string(i) + "\"\t\r\n";
    return text;
}

// The PDF holds every row once, in order, under the bands on every page,
// and as many pages as its footers count; a page rendered shows ink.
TEST(PdfConvertTest, EveryRowIsPrintedOnceOnNumberedPages)
{
    for (const QString tool : {"pdfinfo", "pdftotext", "pdftoppm", "pdffonts"})
        ASSERT_FALSE(QStandardPaths::findExecutable(tool).isEmpty()) << tool.toStdString();
    TempFiles files;
    const int rows = 150;
    const QString list = files.Write("courses.tbw", ListOf(rows));
    const QString pdf = files.Path("courses.pdf");
    RunTool(QStringLiteral(QUIRE_EXECUTABLE), {"--convert", list, pdf});

    const QString info = RunTool("pdfinfo", {pdf});
    const QRegularExpressionMatch pagesLine =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    ASSERT_TRUE(pagesLine.hasMatch()) << info.toStdString();
    const int pages = pagesLine.captured(1).toInt();
    EXPECT_GT(pages, 1);
    EXPECT_LT(pages, 10);

    const QString text = RunTool("pdftotext", {"-layout", pdf, "-"});
    qsizetype at = 0;
    for (int i = 0; i < rows; ++i) {
        const QString row = QStringLiteral("nom%1 ").arg(i);
        const qsizetype found = text.indexOf(
            QRegularExpression("\\b" + row + "\\s+ville" + QString::number(i) + "\\b"), at);
        ASSERT_GE(found, at) << "row " << i;
        at = found;
        EXPECT_EQ(text.count(QRegularExpression("\\b" + row)), 1) << "row " << i;
    }
    for (int page = 1; page <= pages; ++page)
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages))) << page;
    EXPECT_EQ(text.count(QStringLiteral("Quire")), pages);
    EXPECT_EQ(text.count(QStringLiteral("courses.tbw")), pages);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("Nom\\s+Ville"))), pages);

    // The four fonts, or their metric-compatible stand-ins, are embedded.
    const QString fonts = RunTool("pdffonts", {pdf});
    EXPECT_TRUE(fonts.contains("LiberationSerif") || fonts.contains("TimesNewRoman"))
        << fonts.toStdString();
    EXPECT_TRUE(fonts.contains("LiberationSans-Bold") || fonts.contains("Arial-Bold"))
        << fonts.toStdString();

    // A rendered page is not blank: the bars and text leave dark pixels.
    RunTool("pdftoppm", {"-r", "40", "-gray", "-f", "1", "-l", "1", pdf, files.Path("page")});
    const std::string image = TempFiles::Read(files.Path("page-1.pgm"));
    ASSERT_GT(image.size(), 100u);
    EXPECT_NE(image.find('\x00', image.size() / 2), std::string::npos);
}

// Converts list into out with no display; the exit status and what was
// said on stderr.
std::pair<int, QString> Convert(const QString& list, const QString& out)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUIRE_EXECUTABLE), {"--convert", list, out});
    EXPECT_TRUE(process.waitForFinished(120000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

std::string CannotWrite(const QString& path, const char* reason)
{
    return "quire: Impossible d'enregistrer le fichier « " + path.toStdString() + " » : " + reason +
           "\n";
}

// A PDF that cannot be written fails the conversion with one line saying
// why, and leaves nothing behind, with or without a display.
TEST(PdfConvertTest, AFailedPdfSaysWhyInOneLine)
{
    TempFiles files;
    const QString list = files.Write("courses.tbw", ListOf(3));
    QDir().mkpath(files.Path("dossier.pdf"));
    const struct
    {
        QString out;
        const char* reason;
    } cases[] = {
        {files.Path("dossier.pdf"), "c'est un dossier, pas un fichier."},
        {files.Path("absent/liste.pdf"), "le dossier n'existe pas."},
        {files.Path(QString(300, QLatin1Char('n')) + ".pdf"), "le nom du fichier est trop long."},
    };
    for (const auto& c : cases) {
        const auto [status, errors] = Convert(list, c.out);
        EXPECT_EQ(status, 1) << c.out.toStdString();
        EXPECT_EQ(errors.toStdString(), CannotWrite(c.out, c.reason));
        EXPECT_FALSE(QFileInfo(c.out).isFile());
    }
}

// Every byte of the PDF is checked before it replaces the previous one: on a
// full disk nothing is written, on a nearly full one the PDF would be cut.
TEST(PdfConvertTest, APdfThatDoesNotFitKeepsThePreviousOne)
{
    const std::vector<DiskSqueeze> cases = DiskSqueezes();
    TempFiles files;
    const QString list = files.Write("courses.tbw", ListOf(3));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SmallDisk disk;
        if (!disk.Mounted())
            GTEST_SKIP() << "mounting a small file system needs root";
        const QString out = disk.Path("courses.pdf");
        QFile previous(out);
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("%PDF the previous one");
        previous.close();
        ASSERT_TRUE(c.squeeze(disk));
        const auto [status, errors] = Convert(list, out);
        EXPECT_EQ(status, 1);
        EXPECT_EQ(errors.toStdString(), CannotWrite(out, c.reason));
        EXPECT_TRUE(TempFiles::Read(out) == "%PDF the previous one") << "the previous PDF is gone";
    }
}

TEST(PdfConvertTest, APdfOverTheFileSizeLimitKeepsThePreviousOne)
{
    TempFiles files;
    const QString list = files.Write("courses.tbw", ListOf(3));
    const QString out = files.Write("courses.pdf", "%PDF the previous one");
    const auto [status, errors] = [&] {
        const FileSizeLimit limit(4096);
        return Convert(list, out);
    }();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(errors.toStdString(), CannotWrite(out, "le fichier dépasse la taille permise."));
    EXPECT_TRUE(TempFiles::Read(out) == "%PDF the previous one") << "the previous PDF is gone";
}

} // namespace
