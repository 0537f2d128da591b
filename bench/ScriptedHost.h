#pragma once

#include "Measurement.h"

#include "document/TablewrightDoc.h"
#include "grid/GridListCtrl.h"
#include "platform/Progress.h"
#include "platform/UserPrompt.h"

#include <QString>

struct BenchFiles;

// Everything around the document that a user and a window would be: file
// choosers that return the paths set beforehand, yes to every question and
// a silent status bar. Any message means the operation failed; it goes to
// the error stream.
class ScriptedHost : public IUserPrompt, public IProgress
{
public:
    void SetOpenPath(const QString& path) { m_openPath = path; }
    void SetSavePath(const QString& path) { m_savePath = path; }

    // IUserPrompt
    Answer MessageBox(const QString& text, Buttons buttons, Icon icon) override;
    Answer Ask(Question question, const QString& text) override;
    QString GetOpenFileName(const QString&, const QString&) override { return m_openPath; }
    QString GetSaveFileName(const QString&, const QString&, const QString&) override
    {
        return m_savePath;
    }
    bool ChooseCsvOptions(CsvDialect&) override { return true; }
    // IProgress: each report is when a window would repaint.
    void SetProgress(int) override { m_pauses.Report(); }
    void SetStatusPaneText(int, const QString&) override {}

    // The longest time between two progress reports since the last call,
    // the time since then taken as one.
    double TakeLongestPause() { return m_pauses.TakeLongest(); }

private:
    QString m_openPath;
    QString m_savePath;
    PauseWatch m_pauses;
};

// A host for operations that tell the user something when they succeed,
// as a search finding nothing or « Supprimer les doublons »: it counts the
// messages instead of failing on them.
class TellingHost : public ScriptedHost
{
public:
    int messages = 0;
    Answer MessageBox(const QString&, Buttons, Icon) override
    {
        ++messages;
        return Answer::Ok;
    }
};

// The generated list document of files' size open in a document whose
// host counts its messages.
struct TellingList
{
    explicit TellingList(const BenchFiles& files);
    TellingHost host;
    CTablewrightDoc doc{host, host};
};

// A document attached to its scripted host, as the program has it after
// File > New.
class BenchDocument
{
public:
    BenchDocument();
    BenchDocument(const BenchDocument&) = delete;
    BenchDocument& operator=(const BenchDocument&) = delete;

    ScriptedHost host;
    CTablewrightDoc doc{host, host};

    CGridListCtrl& Grid() { return doc.GetGrid(); }
};

// Opens the generated list document of files' size in list and checks that
// it holds all its rows.
void OpenGeneratedList(BenchDocument& list, const BenchFiles& files);
