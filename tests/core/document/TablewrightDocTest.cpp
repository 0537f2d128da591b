#include "document/TablewrightDoc.h"
#include "edit/CellCommands.h"
#include "grid/GridListener.h"

#include "TestDoubles.h"

#include <QDir>
#include <QFile>

#include <functional>

#include <gtest/gtest.h>

namespace {

using Answer = IUserPrompt::Answer;

class TablewrightDocTest : public testing::Test
{
protected:
    TablewrightDocTest() : doc(prompt, progress) {}

    QString WriteList(const QString& name, const std::string& cell)
    {
        return files.Write(name, "V\t1.6\nH\t\"col\"\t\nR\t\"" + cell + "\"\t\n");
    }

    TempFiles files;
    ScriptedPrompt prompt;
    RecordingProgress progress;
    CTablewrightDoc doc;
};

TEST_F(TablewrightDocTest, NewEmptiesEverything)
{
    Fill(doc.GetGrid(), {"a", "b"}, {{"1", "2"}});
    doc.m_bLoaded = true;
    doc.SetPathName(files.Path("x.tbw"));
    MarkModified(doc);
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetGrid().GetColumnCount(), 0);
    EXPECT_EQ(doc.GetGrid().GetItemCount(), 0);
    EXPECT_FALSE(doc.m_bLoaded);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.GetPathName().isEmpty());
    EXPECT_EQ(doc.GetTitle(), "Sans titre");
}

TEST_F(TablewrightDocTest, OpenReplacesEveryRowAndColumn)
{
    Fill(doc.GetGrid(), {"A", "B", "C", "D"}, {{"old", "old"}, {"old"}});
    const QString path = WriteList("new.tbw", "fresh");
    ASSERT_TRUE(doc.OpenDocumentFile(path));
    EXPECT_EQ(Dump(doc.GetGrid()), "col\nfresh\n");
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(doc.GetTitle(), "new.tbw");
    EXPECT_FALSE(doc.IsModified());
}

// An opened .csv is a document of its own, which Save writes back.
TEST_F(TablewrightDocTest, OpeningCsvMakesItTheDocument)
{
    const QString path = files.Write("liste.csv", "a,b\r\n");
    prompt.answers = {Answer::No};
    ASSERT_TRUE(doc.OpenDocumentFile(path));
    EXPECT_EQ(prompt.questions, std::vector{IUserPrompt::Question::CsvHasHeader});
    EXPECT_EQ(Dump(doc.GetGrid()), "Column 1|Column 2\na|b\n|");
    EXPECT_EQ(doc.GetTitle(), "liste.csv");
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(doc.Format(), FileFormat::Csv);
}

TEST_F(TablewrightDocTest, FailedOpenLeavesTheListAlone)
{
    Fill(doc.GetGrid(), {"keep"}, {{"me"}});
    doc.SetPathName(files.Path("current.tbw"));
    EXPECT_FALSE(doc.OpenDocumentFile(files.Path("missing.tbw")));
    EXPECT_EQ(Dump(doc.GetGrid()), "keep\nme");
    EXPECT_EQ(doc.GetPathName(), files.Path("current.tbw"));
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_TRUE(prompt.messages[0].text.contains("missing.tbw"));
}

TEST_F(TablewrightDocTest, SaveModifiedFollowsTheAnswer)
{
    const struct
    {
        const char* name;
        Answer answer;
        QString savePath;
        bool proceeds;
        bool written;
    } cases[] = {
        {"yes saves", Answer::Yes, "kept.tbw", true, true},
        {"yes but the name is cancelled", Answer::Yes, "", false, false},
        {"no discards", Answer::No, "", true, false},
        {"cancel stops", Answer::Cancel, "", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFiles local;
        ScriptedPrompt asked;
        CTablewrightDoc modified(asked, progress);
        MarkModified(modified);
        asked.answers = {c.answer};
        if (!c.savePath.isEmpty())
            asked.savePaths = {local.Path(c.savePath)};
        EXPECT_EQ(modified.SaveModified(), c.proceeds);
        EXPECT_EQ(QFile::exists(local.Path("kept.tbw")), c.written);
        ASSERT_EQ(asked.messages.size(), 1u);
        EXPECT_EQ(asked.questions, std::vector{IUserPrompt::Question::SaveChanges});
        EXPECT_EQ(asked.messages[0].text, "Enregistrer les modifications de « Sans titre » ?");
        EXPECT_EQ(asked.messages[0].buttons, IUserPrompt::Buttons::YesNoCancel);
    }
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(TablewrightDocTest, CancelledPromptKeepsTheList)
{
    Fill(doc.GetGrid(), {"mine"}, {{"edited"}});
    MarkModified(doc);
    prompt.answers = {Answer::Cancel};
    EXPECT_FALSE(doc.OpenDocumentFile(WriteList("other.tbw", "x")));
    EXPECT_EQ(Dump(doc.GetGrid()), "mine\nedited");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(TablewrightDocTest, SaveAsksForANameOnlyWithoutOne)
{
    Fill(doc.GetGrid(), {"a"}, {});
    prompt.savePaths = {files.Path("chosen.tbw")};
    ASSERT_TRUE(doc.DoFileSave());
    EXPECT_EQ(prompt.saveSuffixes, QStringList{"tbw"});
    EXPECT_EQ(
        prompt.filters,
        QStringList{"Tablewright Files (*.tbw);;Texte tabulé (*.tsv *.tab *.txt);;CSV (*.csv)"});
    EXPECT_EQ(doc.GetTitle(), "chosen.tbw");

    // An unchanged list is written again all the same.
    QFile::remove(files.Path("chosen.tbw"));
    ASSERT_TRUE(doc.DoFileSave());
    EXPECT_TRUE(QFile::exists(files.Path("chosen.tbw")));
    EXPECT_EQ(prompt.saveSuffixes.size(), 1);

    // Save As always asks, starting from the current file.
    prompt.savePaths = {files.Path("other.tbw")};
    ASSERT_TRUE(doc.DoFileSaveAs());
    EXPECT_EQ(prompt.saveProposals.back(), files.Path("chosen.tbw"));
    EXPECT_EQ(doc.GetPathName(), files.Path("other.tbw"));
}

// Open, Import and Save As start in the current list's folder, else in the
// last folder a file was chosen in; exports propose the list's name with
// their own extension there.
TEST_F(TablewrightDocTest, FileChoosersStartInTheListsFolder)
{
    Fill(doc.GetGrid(), {"a"}, {{"1"}});
    prompt.savePaths = {files.Path("out.txt")};
    ASSERT_TRUE(doc.OnExport(FileFormat::Text));
    EXPECT_EQ(prompt.saveProposals.back(), "Sans titre.txt");

    QDir().mkpath(files.Path("lists"));
    const QString list = files.Path("lists/Courses.tbw");
    prompt.savePaths = {list};
    ASSERT_TRUE(doc.DoFileSaveAs());
    EXPECT_EQ(prompt.saveProposals.back(), files.Path("Sans titre"));
    EXPECT_EQ(doc.StartFolder(), files.Path("lists"));
    prompt.answers = {Answer::Yes};
    const std::pair<std::function<bool()>, QString> exports[] = {
        {[&] { return doc.OnExport(FileFormat::Text); }, "lists/Courses.txt"},
        {[&] { return doc.OnExport(FileFormat::Csv); }, "lists/Courses.csv"},
        {[&] { return doc.OnExport(FileFormat::Html); }, "lists/Courses.html"},
    };
    for (const auto& [run, proposal] : exports) {
        EXPECT_FALSE(run());
        EXPECT_EQ(prompt.saveProposals.back(), files.Path(proposal));
    }
    prompt.openPaths = {QString()};
    EXPECT_FALSE(doc.OnImport(FileFormat::Text));
    EXPECT_EQ(prompt.openFolders.back(), files.Path("lists"));
    EXPECT_TRUE(doc.ChooseListToOpen().isEmpty());
    EXPECT_EQ(prompt.openFolders.back(), files.Path("lists"));

    // An imported list lives where its file came from.
    QDir().mkpath(files.Path("data"));
    prompt.openPaths = {files.Write("data/people.csv", "Nom\nPaul\n")};
    prompt.answers = {Answer::Yes};
    ASSERT_TRUE(doc.OnImport(FileFormat::Csv));
    EXPECT_EQ(doc.StartFolder(), files.Path("data"));
    EXPECT_FALSE(doc.OnExport(FileFormat::Html));
    EXPECT_EQ(prompt.saveProposals.back(), files.Path("data/people.html"));

    // A new list has no folder: the last one used serves.
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.StartFolder(), files.Path("data"));
    EXPECT_FALSE(doc.DoFileSaveAs());
    EXPECT_EQ(prompt.saveProposals.back(), files.Path("data/Sans titre"));
}

TEST_F(TablewrightDocTest, TitleAndModifiedFlagChangesAreAnnounced)
{
    int announced = 0;
    doc.SetStateListener([&announced] { ++announced; });
    MarkModified(doc);
    MarkModified(doc);
    // Each step, for the Edit menu follows the history too.
    EXPECT_EQ(announced, 2);
    doc.SetPathName(files.Path("x.tbw"));
    EXPECT_EQ(announced, 3);
    // New announces its title and its fresh history.
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(announced, 5);
    EXPECT_FALSE(doc.IsModified());
}

// A step that finds the list changed under it when it is undone.
class StaleStep : public CEditCommand
{
public:
    QString Name() const override { return QStringLiteral("Périmée"); }
    bool Apply(CGridListCtrl&) override { return true; }
    bool Revert(CGridListCtrl&) override { return false; }
    std::size_t Cost() const override { return sizeof(*this); }
};

// The modified flag is the history's alone: steps move away from the clean
// point and back, and reading, saving or New set it. After a step that
// could not be undone the way back is lost, so the list stays modified
// until it is saved or replaced. The window title hears of every change.
TEST_F(TablewrightDocTest, ModifiedFollowsTheCleanPointOnly)
{
    // E edits a cell, X takes a step that cannot be undone, U undoes, R
    // redoes, S saves, O opens a list, N makes a new one; modified is the
    // flag after each letter.
    const struct
    {
        const char* ops;
        const char* modified;
    } cases[] = {
        {"EEUUR", "11101"}, {"ESU", "101"},   {"EO", "10"},   {"EN", "10"},
        {"XU", "11"},       {"XUEU", "1111"}, {"XUS", "110"}, {"XUO", "110"},
    };
    const QString list = WriteList("l.tbw", "x");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ops);
        ScriptedPrompt user;
        CTablewrightDoc d(user, progress);
        Fill(d.GetGrid(), {"A"}, {{"a"}});
        bool announced = false;
        d.SetStateListener([&] { announced = d.IsModified(); });
        std::string modified;
        std::string heard;
        for (const char* op = c.ops; *op; ++op) {
            switch (*op) {
            case 'E':
                d.Execute(std::make_unique<CSetCellCommand>(d.GetGrid(), 0, 0,
                                                            std::to_string(modified.size())));
                break;
            case 'X':
                d.Execute(std::make_unique<StaleStep>());
                break;
            case 'U':
                d.Undo();
                break;
            case 'R':
                d.Redo();
                break;
            case 'S':
                ASSERT_TRUE(d.DoSave(files.Path("saved.tbw")));
                break;
            case 'O':
                user.answers = {Answer::No};
                ASSERT_TRUE(d.OpenDocumentFile(list));
                break;
            case 'N':
                d.OnNewDocument();
                break;
            }
            modified += d.IsModified() ? '1' : '0';
            heard += announced ? '1' : '0';
        }
        EXPECT_EQ(modified, c.modified);
        EXPECT_EQ(heard, c.modified);
    }
}

TEST_F(TablewrightDocTest, FailedSaveKeepsThePreviousFileAndTheModifiedFlag)
{
    Fill(doc.GetGrid(), {"a"}, {{"new"}});
    const QString existing = WriteList("old.tbw", "old");
    const std::string before = TempFiles::Read(existing);
    QDir(files.Path("")).mkdir("folder.tbw");
    const struct
    {
        const char* name;
        QString path;
    } cases[] = {
        {"missing folder", files.Path("nowhere/list.tbw")},
        {"a folder in the way", files.Path("folder.tbw")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompt.messages.clear();
        MarkModified(doc);
        EXPECT_FALSE(doc.DoSave(c.path));
        EXPECT_TRUE(doc.IsModified());
        ASSERT_EQ(prompt.messages.size(), 1u);
        EXPECT_TRUE(
            prompt.messages[0].text.startsWith("Impossible d'enregistrer le fichier « " + c.path));
        EXPECT_EQ(progress.values.empty() ? 0 : progress.values.back(), 0);
    }
    EXPECT_EQ(TempFiles::Read(existing), before);
}

TEST_F(TablewrightDocTest, DiskFullKeepsThePreviousFile)
{
    std::vector<std::vector<std::string>> rows(50000, {"a fairly long cell", "and another"});
    Fill(doc.GetGrid(), {"a", "b"}, rows);
    const QString list = WriteList("kept.tbw", "before");
    const QString text = files.Write("kept.txt", "before\r\n");
    const struct
    {
        const char* name;
        QString path;
        std::function<bool()> write;
    } writes[] = {
        {"save", list, [&] { return doc.DoSave(list); }},
        {"export", text,
         [&] {
             prompt.savePaths = {text};
             return doc.OnExport(FileFormat::Text);
         }},
    };
    for (const auto& w : writes) {
        SCOPED_TRACE(w.name);
        const std::string before = TempFiles::Read(w.path);
        prompt.messages.clear();
        MarkModified(doc);
        bool written = true;
        {
            const FileSizeLimit limit(64 * 1024);
            written = w.write();
        }
        EXPECT_FALSE(written);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(TempFiles::Read(w.path), before);
        ASSERT_EQ(prompt.messages.size(), 1u);
        EXPECT_TRUE(prompt.messages[0].text.contains(w.path));
        EXPECT_EQ(progress.values.back(), 0);
    }
    EXPECT_EQ(QDir(files.Path("")).entryList(QDir::Files).size(), 2);
}

TEST_F(TablewrightDocTest, CloseEmptiesTheGrid)
{
    ASSERT_TRUE(doc.OpenDocumentFile(WriteList("c.tbw", "x")));
    doc.OnCloseDocument();
    EXPECT_EQ(doc.GetGrid().GetColumnCount(), 0);
    EXPECT_EQ(doc.GetGrid().GetItemCount(), 0);
    EXPECT_FALSE(doc.m_bLoaded);
}

TEST_F(TablewrightDocTest, LastRowIsShownAfterEveryReadWhenTheOptionIsOn)
{
    class VisibleRows : public IGridListener
    {
    public:
        int row = -1;
        void EnsureVisibleRequested(int r, bool partialOk) override
        {
            row = r;
            EXPECT_FALSE(partialOk);
        }
    } listener;
    doc.GetGrid().SetListener(&listener);
    std::string list = "V\t1.6\nH\t\"a\"\t\n";
    std::string lines = "a\n";
    for (int i = 0; i < 500; ++i) {
        list += "R\t\"" + std::to_string(i) + "\"\t\n";
        lines += std::to_string(i) + "\n";
    }
    const QString listPath = files.Write("long.tbw", list);
    const QString textPath = files.Write("long.txt", lines);
    const QString csvPath = files.Write("long.csv", lines);
    const struct
    {
        const char* name;
        std::function<bool()> read;
        int lastRow;
    } reads[] = {
        {"list", [&] { return doc.OpenDocumentFile(listPath); }, 500},
        {"text import",
         [&] {
             prompt.openPaths = {textPath};
             return doc.OnImport(FileFormat::Text);
         },
         499},
        {"csv import",
         [&] {
             prompt.openPaths = {csvPath};
             prompt.answers = {Answer::Yes};
             return doc.OnImport(FileFormat::Csv);
         },
         499},
    };
    for (const auto& read : reads) {
        SCOPED_TRACE(read.name);
        doc.SetGoToLastItem(0);
        listener.row = -1;
        ASSERT_TRUE(read.read());
        EXPECT_EQ(listener.row, -1);
        doc.SetGoToLastItem(2);
        ASSERT_TRUE(read.read());
        EXPECT_EQ(listener.row, read.lastRow);
        EXPECT_EQ(doc.GetGrid().GetItemCount(), read.lastRow + 1);
        EXPECT_EQ(doc.GetGrid().Cursor().CurrentRow(), -1);
    }
    doc.GetGrid().SetListener(nullptr);
}

} // namespace
