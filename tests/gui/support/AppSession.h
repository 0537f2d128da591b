#pragma once

#include "GuiTestSupport.h"

#include <QStringList>

#include <memory>
#include <string>

class CGridListCtrl;
class CMainFrame;
class CTablewrightApp;
class CTablewrightDoc;
class CTablewrightView;
class QAction;

// The whole program as a test starts it: fresh settings, a folder for its
// files, a scripted prompt, and the application with its window, made by
// Start and gone with the session.
class AppSession
{
public:
    AppSession();
    ~AppSession();

    // Starts the program with the command line given; false when it would
    // end without a window.
    bool Start(const QStringList& arguments = {});
    // Writes a file into the session's folder and starts the program on
    // it, its window active.
    bool StartWith(const QString& name, const std::string& bytes);
    void Stop();

    CTablewrightApp& App() const { return *m_app; }
    CMainFrame& Frame() const;
    CTablewrightView& View() const;
    CTablewrightDoc& Doc() const;
    CGridListCtrl& Grid() const;
    QAction& Action(const char* name) const;
    // A key on the grid, the window made active first: its shortcuts need
    // it, which a closed dialog may not give back without a window manager.
    void Key(int key, Qt::KeyboardModifiers modifiers = {}) const;
    QString Cell(int row, int column) const;

    TempSettings settings;
    TempFiles files;
    ScriptedPrompt prompt;

private:
    std::unique_ptr<CTablewrightApp> m_app;
};
