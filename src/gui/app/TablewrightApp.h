#pragma once

#include "app/RecentFileList.h"
#include "document/Version.h"

#include <QStringList>

#include <memory>

class CMainFrame;
class CTablewrightDoc;
class CTablewrightView;
class IShell;
class IUserPrompt;

// The application: it ties together the one document, main window and view
// that serve every New and Open, carries out the command line, keeps the
// recent-file list and answers the document commands of the menus.
class CTablewrightApp
{
public:
    explicit CTablewrightApp(IUserPrompt& prompt);
    ~CTablewrightApp();
    CTablewrightApp(const CTablewrightApp&) = delete;
    CTablewrightApp& operator=(const CTablewrightApp&) = delete;

    // Creates the window and carries out the command line: nothing makes a
    // new list, a path opens it. False when the file could not be opened;
    // the program then ends without showing a window.
    bool InitInstance(const QStringList& arguments);

    CMainFrame& GetMainFrame() const { return *m_pMainFrame; }
    CTablewrightDoc& GetDocument() const { return *m_pDoc; }
    CTablewrightView& GetView() const { return *m_pView; }
    const CRecentFileList& GetRecentFiles() const { return m_recentFiles; }

    void OnFileNew();
    void OnFileOpen();
    bool OpenDocumentFile(const QString& path);
    void OnFileSave();
    void OnFileSaveAs();
    void OnOpenRecentFile(int index);
    void OnAppAbout();
    void OnFileAssociate();
    // Files dropped on the window: the first opens here as Open would, each
    // other one in a window of its own.
    void OnFilesDropped(const QStringList& paths);
    // Back in front: a file another program changed is offered for reading
    // again.
    void OnActivated();
    // How other windows are started; the desktop's by default.
    void SetShell(std::unique_ptr<IShell> shell);

    const float m_fVersion = kProgramVersion;

private:
    void BindCommands();
    void BindEditCommands();
    void BindFormatCommands();
    void BindViewCommands();
    void AddToRecentFiles();

    IUserPrompt& m_prompt;
    CRecentFileList m_recentFiles;
    // The window, its view among them, shows the document's list: it goes
    // first.
    std::unique_ptr<CTablewrightDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    CTablewrightView* m_pView = nullptr;
    std::unique_ptr<IShell> m_pShell;
};
