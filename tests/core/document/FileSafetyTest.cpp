#include "TestDoubles.h"

#include "document/TablewrightDoc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include <sys/stat.h>

namespace {

using Answer = IUserPrompt::Answer;

// The ways a list leaves the program, each writing over path.
struct Output
{
    const char* name;
    std::function<bool(Session&, const QString&)> write;
};

const Output kOutputs[] = {
    {"save", [](Session& s, const QString& path) { return s.doc.DoSave(path); }},
    {"save as a CSV document",
     [](Session& s, const QString& path) {
         return s.doc.SaveAs(path, FileFormat::Csv, CsvDialect());
     }},
    {"text export",
     [](Session& s, const QString& path) {
         s.prompt.savePaths = {path};
         return s.doc.OnExport(FileFormat::Text);
     }},
    {"csv export",
     [](Session& s, const QString& path) {
         s.prompt.savePaths = {path};
         s.prompt.answers = {Answer::Yes};
         return s.doc.OnExport(FileFormat::Csv);
     }},
    {"html export",
     [](Session& s, const QString& path) {
         s.prompt.savePaths = {path};
         return s.doc.OnExport(FileFormat::Html);
     }},
};

// A write that fails says so, names the file, leaves the file as it was and
// the list modified. Returns what the user was told last.
QString ExpectRefusedWrite(Session& s, const Output& output, const QString& path,
                           const std::function<bool()>& write)
{
    SCOPED_TRACE(output.name);
    const std::string before = TempFiles::Read(path);
    s.prompt.messages.clear();
    MarkModified(s.doc);
    EXPECT_FALSE(write());
    EXPECT_TRUE(s.doc.IsModified());
    EXPECT_EQ(TempFiles::Read(path), before);
    if (s.prompt.messages.empty()) {
        ADD_FAILURE() << "nothing was said";
        return {};
    }
    EXPECT_TRUE(s.prompt.messages.back().text.contains(path));
    EXPECT_EQ(s.prompt.messages.back().icon, IUserPrompt::Icon::Error);
    return s.prompt.messages.back().text;
}

// What the user reads when path cannot be written.
std::string CannotWrite(const QString& path, const char* reason)
{
    return "Impossible d'enregistrer le fichier « " + path.toStdString() + " » :\n" + reason;
}

// Small files fit in any buffer, so only a check of the last write sees
// that they never reached the disk.
TEST(FileSafetyTest, SmallWriteOverTheFileSizeLimitKeepsThePreviousFile)
{
    for (const Output& output : kOutputs) {
        TempFiles files;
        Session s;
        Fill(s.grid, {"Nom", "Ville"}, {{"Paul", "Lyon"}, {"Anne", "Metz"}});
        const QString path = files.Write("kept", "the previous file\r\n");
        const QString told = ExpectRefusedWrite(s, output, path, [&] {
            const FileSizeLimit limit(8);
            return output.write(s, path);
        });
        EXPECT_EQ(told.toStdString(), CannotWrite(path, "le fichier dépasse la taille permise."));
        EXPECT_EQ(QDir(files.Path("")).entryList(QDir::Files).size(), 1);
    }
}

// A disk that gives out keeps the file it held and says why.
TEST(FileSafetyTest, WriteOnADiskThatGivesOutKeepsThePreviousFile)
{
    for (const DiskSqueeze& c : DiskSqueezes()) {
        for (const Output& output : kOutputs) {
            SCOPED_TRACE(c.name);
            const SmallDisk disk;
            if (!disk.Mounted())
                GTEST_SKIP() << "mounting a small file system needs root";
            const QString path = disk.Path("kept");
            QFile previous(path);
            ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
            previous.write("the previous file\r\n");
            previous.close();
            ASSERT_TRUE(c.squeeze(disk));
            Session s;
            Fill(s.grid, {"Nom", "Ville"},
                 std::vector<std::vector<std::string>>(4000, {"Paul", "Lyon"}));
            const QString told =
                ExpectRefusedWrite(s, output, path, [&] { return output.write(s, path); });
            EXPECT_EQ(told.toStdString(), CannotWrite(path, c.reason));
        }
    }
}

TEST(FileSafetyTest, PathThatCannotHoldAFileSaysWhy)
{
    TempFiles files;
    const QString kept = files.Write("kept", "the previous file\r\n");
    const struct
    {
        QString path;
        const char* reason;
    } cases[] = {
        {files.Path("absent/liste.tbw"), "le dossier n'existe pas."},
        {files.Path("kept/liste.tbw"), "un élément du chemin n'est pas un dossier."},
        {files.Path(QString(300, QLatin1Char('n'))), "le nom du fichier est trop long."},
    };
    for (const auto& c : cases) {
        for (const Output& output : kOutputs) {
            Session s;
            Fill(s.grid, {"Nom"}, {{"Paul"}});
            const QString told =
                ExpectRefusedWrite(s, output, c.path, [&] { return output.write(s, c.path); });
            EXPECT_EQ(told.toStdString(), CannotWrite(c.path, c.reason));
        }
    }
    EXPECT_EQ(TempFiles::Read(kept), "the previous file\r\n");
    EXPECT_EQ(QDir(files.Path("")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
}

// Pipes, devices and folders are neither read nor written: a pipe without a
// writer would hang the program, and a save would replace it with a file.
TEST(FileSafetyTest, OnlyRegularFilesAreWritten)
{
    TempFiles files;
    const QString fifo = files.Path("pipe");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    QDir().mkpath(files.Path("folder"));
    QFile::link(fifo, files.Path("link-to-pipe"));
    QFile::link(files.Path("folder"), files.Path("link-to-folder"));
    for (const char* target : {"pipe", "link-to-pipe", "folder", "link-to-folder"}) {
        for (const Output& output : kOutputs) {
            SCOPED_TRACE(target);
            Session s;
            Fill(s.grid, {"A"}, {{"1"}});
            const QString path = files.Path(target);
            MarkModified(s.doc);
            EXPECT_FALSE(output.write(s, path));
            EXPECT_TRUE(s.doc.IsModified());
            ASSERT_FALSE(s.prompt.messages.empty());
            EXPECT_TRUE(s.prompt.messages.back().text.contains(path));
        }
    }
    struct stat info = {};
    ASSERT_EQ(stat(fifo.toLocal8Bit().constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_TRUE(QFileInfo(files.Path("link-to-pipe")).isSymLink());
    EXPECT_TRUE(QFileInfo(files.Path("folder")).isDir());
    const auto all = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    EXPECT_EQ(QDir(files.Path("")).entryList(all).size(), 4);
}

// Each way a file comes in, refusing what is not a regular file at once.
struct Input
{
    const char* name;
    std::function<bool(Session&, const QString&)> read;
};

const Input kInputs[] = {
    {"open", [](Session& s, const QString& path) { return s.doc.OpenDocumentFile(path); }},
    {"text import",
     [](Session& s, const QString& path) {
         s.prompt.openPaths = {path};
         return s.doc.OnImport(FileFormat::Text);
     }},
    {"csv import",
     [](Session& s, const QString& path) {
         s.prompt.openPaths = {path};
         return s.doc.OnImport(FileFormat::Csv);
     }},
};

TEST(FileSafetyTest, OnlyRegularFilesAreRead)
{
    TempFiles files;
    for (const char* name : {"pipe", "pipe.csv"})
        ASSERT_EQ(mkfifo(files.Path(name).toLocal8Bit().constData(), 0600), 0);
    QDir().mkpath(files.Path("folder"));
    const QString paths[] = {files.Path("pipe"), files.Path("pipe.csv"), files.Path("folder"),
                             QStringLiteral("/dev/zero")};
    for (const QString& path : paths) {
        for (const Input& input : kInputs) {
            SCOPED_TRACE(path.toStdString() + " " + input.name);
            Session s;
            Fill(s.grid, {"A"}, {{"kept"}});
            EXPECT_FALSE(input.read(s, path));
            EXPECT_EQ(Dump(s.grid), "A\nkept");
            ASSERT_EQ(s.prompt.messages.size(), 1u);
            EXPECT_TRUE(s.prompt.messages[0].text.contains("n'est pas un fichier ordinaire") ||
                        s.prompt.messages[0].text.contains("c'est un dossier"))
                << s.prompt.messages[0].text.toStdString();
        }
    }
}

TEST(FileSafetyTest, FileThatCannotBeOpenedSaysWhy)
{
    TempFiles files;
    files.Write("kept", "V\t1.6\r\n");
    const struct
    {
        QString path;
        const char* reason;
    } cases[] = {
        {files.Path("absent.tbw"), "le fichier n'existe pas."},
        {files.Path("kept/liste.tbw"), "un élément du chemin n'est pas un dossier."},
        {files.Path(QString(300, QLatin1Char('n'))), "le nom du fichier est trop long."},
    };
    // The CSV import keeps its own English message, as CSV files do.
    for (const auto& c : cases) {
        for (const Input& input : {kInputs[0], kInputs[1]}) {
            SCOPED_TRACE(input.name);
            Session s;
            EXPECT_FALSE(input.read(s, c.path));
            ASSERT_EQ(s.prompt.messages.size(), 1u);
            EXPECT_EQ(s.prompt.messages[0].text.toStdString(), "Impossible d'ouvrir le fichier « " +
                                                                   c.path.toStdString() + " » :\n" +
                                                                   c.reason);
        }
    }
}

// The list a read must leave as it was: one row, "kept", read from
// current.tbw.
void HoldList(Session& s, const TempFiles& files)
{
    Fill(s.grid, {"A"}, {{"kept"}});
    s.doc.SetPathName(files.Path("current.tbw"));
}

// Only a list document is opened as one: any other file would come in as
// fragments or as nothing, and the next save would overwrite it.
TEST(FileSafetyTest, OpenRefusesWhatIsNotAList)
{
    const struct
    {
        const char* name;
        std::string bytes;
        bool isList;
    } cases[] = {
        {"password file", "root:x:0:0:root:/root:/bin/bash\nVictor:x:1000:1000::/home/v:\n", false},
        {"table whose later lines begin with V",
         "# zone table\nVE\t+1030-06654\tAmerica/Caracas\nR\t\"x\"\t\n", false},
        {"a list record first", "R\t\"x\"\t\nV\t1.6\n", false},
        {"blank first line", "\nV\t1.6\n", false},
        {"lower-case v", "v\t1.6\n", false},
        {"byte-order mark then something else", "\xEF\xBB\xBFH\t\"a\"\t\n", false},
        {"empty file", "", true},
        {"list", "V\t1.6\nH\t\"a\"\t\n", true},
        {"list after a byte-order mark", "\xEF\xBB\xBFV\t1.6\nH\t\"a\"\t\n", true},
        {"Windows-1252 list after a byte-order mark", "\xEF\xBB\xBFV\t1.6\nH\t\"\xE9t\xE9\"\t\n",
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        Session s;
        HoldList(s, files);
        const QString path = files.Write("other.tbw", c.bytes);
        EXPECT_EQ(s.doc.OpenDocumentFile(path), c.isList);
        if (c.isList) {
            EXPECT_EQ(s.doc.GetPathName(), path);
            EXPECT_TRUE(s.prompt.messages.empty());
            continue;
        }
        EXPECT_EQ(Dump(s.grid), "A\nkept");
        EXPECT_EQ(s.doc.GetPathName(), files.Path("current.tbw"));
        ASSERT_EQ(s.prompt.messages.size(), 1u);
        EXPECT_EQ(s.prompt.messages[0].text,
                  "Le fichier « " + path + " » n'est pas une liste Quire : il n'a pas été ouvert.");
        EXPECT_EQ(TempFiles::Read(path), c.bytes);
    }
}

// A save over a file lets the old one go, on a thread of its own: no
// descriptor is left open however often the list is saved.
TEST(FileSafetyTest, SavesOverAFileLeaveNoDescriptorOpen)
{
    TempFiles files;
    Session s;
    Fill(s.grid, {"A"}, {{"kept"}});
    const QString path = files.Path("liste.tbw");
    const auto openDescriptors = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
    ASSERT_TRUE(s.doc.DoSave(path));
    const auto before = openDescriptors();
    for (int k = 0; k < 5; ++k)
        ASSERT_TRUE(s.doc.DoSave(path));
    for (int wait = 0; wait < 100 && openDescriptors() > before; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(openDescriptors(), before);
    EXPECT_EQ(TempFiles::Read(path).substr(0, 2), "V\t");
}

// Rows of fields, each line as row(k) gives it, up to at least bytes.
std::string Lines(const std::string& head, std::size_t bytes,
                  const std::function<std::string(int)>& row)
{
    std::string text = head;
    for (int k = 0; text.size() < bytes; ++k)
        text += row(k);
    return text;
}

// Échap during a read, whether one thread reads or two, leaves the list and
// all the document knows of it as they were; the next read goes through.
TEST(FileSafetyTest, StoppedReadLeavesTheListAsItWas)
{
    const std::size_t big = std::size_t{9} << 19;
    const std::string cell(60, 'x');
    const struct
    {
        const char* name;
        std::string bytes;
        const Input& input;
    } cases[] = {
        {"grande.tbw",
         Lines("V\t1.6\nH\t\"a\"\t\"b\"\t\n", big,
               [&](int k) { return "R\t\"" + std::to_string(k) + "\"\t\"" + cell + "\"\t\n"; }),
         kInputs[0]},
        {"ancienne.tbw",
         Lines("V\t1.6\nH\t\"\xE9t\xE9\"\t\n", 60000,
               [](int k) { return "R\t\"" + std::to_string(k) + "\"\t\n"; }),
         kInputs[0]},
        {"grande.csv",
         Lines("a,b\r\n", big,
               [&](int k) { return "\"" + std::to_string(k) + "\",\"" + cell + "\"\r\n"; }),
         kInputs[0]},
        {"table.txt", Lines("a\tb\n", 60000, [](int k) { return std::to_string(k) + "\tx\n"; }),
         kInputs[1]},
        {"table.csv", Lines("a,b\n", 60000, [](int k) { return std::to_string(k) + ",x\n"; }),
         kInputs[2]},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles files;
        Session s;
        HoldList(s, files);
        const QString path = files.Write(c.name, c.bytes);
        s.progress.stopAt = 40;
        s.prompt.answers = {Answer::Yes};
        EXPECT_FALSE(c.input.read(s, path));
        EXPECT_EQ(Dump(s.grid), "A\nkept");
        EXPECT_EQ(s.doc.GetPathName(), files.Path("current.tbw"));
        EXPECT_EQ(s.doc.Dialect(), nullptr);
        for (const auto& message : s.prompt.messages)
            EXPECT_NE(message.icon, IUserPrompt::Icon::Error) << message.text.toStdString();

        s.progress.stopAt = 101;
        s.prompt.answers = {Answer::Yes};
        EXPECT_TRUE(c.input.read(s, path));
        EXPECT_GT(s.grid.GetItemCount(), 5000);
    }
}

} // namespace
