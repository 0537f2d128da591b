#pragma once

#include "document/TablewrightDoc.h"
#include "exchange/CsvDialect.h"
#include "grid/GridListCtrl.h"
#include "platform/Progress.h"
#include "platform/UserPrompt.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

// A user who answers from a script: queued answers for message boxes and
// queued paths for the file choosers. Everything asked is recorded.
class ScriptedPrompt : public IUserPrompt
{
public:
    struct Message
    {
        QString text;
        Buttons buttons;
        Icon icon;
    };

    std::deque<Answer> answers;
    std::deque<QString> openPaths;
    std::deque<QString> savePaths;
    std::vector<Message> messages;
    // What was asked, in order.
    std::vector<Question> questions;
    QStringList saveProposals;
    QStringList openFolders;
    QStringList saveSuffixes;
    QStringList filters;
    // Answers of « Options CSV »: a dialect to take, or none to cancel;
    // with none queued the dialog is confirmed as it opens.
    std::deque<std::optional<CsvDialect>> csvOptions;
    std::vector<CsvDialect> csvOptionsShown;

    Answer MessageBox(const QString& text, Buttons buttons, Icon icon) override
    {
        messages.push_back({text, buttons, icon});
        if (answers.empty())
            return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    Answer Ask(Question question, const QString& text) override
    {
        questions.push_back(question);
        return MessageBox(text, ButtonsOf(question), IconOf(question));
    }
    QString GetOpenFileName(const QString& filter, const QString& startFolder) override
    {
        filters << filter;
        openFolders << startFolder;
        return Next(openPaths);
    }
    QString GetSaveFileName(const QString& filter, const QString& suffix,
                            const QString& proposed) override
    {
        filters << filter;
        saveSuffixes << suffix;
        saveProposals << proposed;
        return Next(savePaths);
    }
    bool ChooseCsvOptions(CsvDialect& dialect) override
    {
        csvOptionsShown.push_back(dialect);
        if (csvOptions.empty())
            return true;
        const std::optional<CsvDialect> answer = csvOptions.front();
        csvOptions.pop_front();
        if (answer)
            dialect = *answer;
        return answer.has_value();
    }

private:
    static QString Next(std::deque<QString>& queue)
    {
        if (queue.empty())
            return {};
        QString path = queue.front();
        queue.pop_front();
        return path;
    }
};

// Records every percentage it is given. Asks to
// stop a read that may be stopped once it reaches stopAt percent, as a user
// pressing Échap.
class RecordingProgress : public IProgress
{
public:
    std::vector<int> values;
    int stopAt = std::numeric_limits<int>::max();
    void SetProgress(int percent) override
    {
        values.push_back(percent);
        m_stopAsked = m_stopAsked || (m_stoppable && percent >= stopAt);
    }
    void SetStatusPaneText(int, const QString&) override {}
    void SetStoppable(bool stoppable) override
    {
        m_stoppable = stoppable;
        if (stoppable)
            m_stopAsked = false;
    }
    bool StopAsked() const override { return m_stopAsked; }

private:
    bool m_stoppable = false;
    bool m_stopAsked = false;
};

// One document with its user and status bar, as the program has it.
struct Session
{
    ScriptedPrompt prompt;
    RecordingProgress progress;
    CTablewrightDoc doc{prompt, progress};
    CGridListCtrl& grid = doc.GetGrid();
};

// Files in a temporary folder that disappears with the test.
class TempFiles
{
public:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString Write(const QString& name, const std::string& bytes) const;
    static std::string Read(const QString& path);

private:
    QTemporaryDir m_dir;
};

// Files may not grow beyond a limit while it lives, as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    long long m_saved = -1;
};

// A small file system of its own, mounted for the test's life (root only).
// Fill leaves it with no free byte, or with about leftFree bytes;
// MakeReadOnly mounts it again read-only.
class SmallDisk
{
public:
    SmallDisk();
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return m_mounted; }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    void Fill(qint64 leftFree = 0) const;
    bool MakeReadOnly() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

// The ways a small disk gives out, each with the reason the user is told: a
// full disk takes nothing, a nearly full one stops a write short (which sets
// no error text of its own), a read-only one refuses the file at once.
// squeeze is false where the disk could not be made so.
struct DiskSqueeze
{
    const char* name;
    std::function<bool(const SmallDisk&)> squeeze;
    const char* reason;
};
std::vector<DiskSqueeze> DiskSqueezes();

// The grid as text: the names joined by '|', then one line per row.
std::string Dump(const CGridListCtrl& grid);
// Empty when every name and cell is UTF-8 without TAB, CR or LF, as the
// grid promises; otherwise where the first one that is not stands.
std::string GridFault(const CGridListCtrl& grid);
// The list as the program saves it, written in files' folder, or why it
// could not be.
std::string SavedList(const CGridListCtrl& grid, const TempFiles& files);
// Fills a grid from names and rows.
void Fill(CGridListCtrl& grid, const std::vector<std::string>& names,
          const std::vector<std::vector<std::string>>& rows);
// Takes a step that changes nothing the list shows, so that the document is
// modified as after any edit, whatever its rows and columns.
void MarkModified(CTablewrightDoc& doc);
