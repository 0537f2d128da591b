#pragma once

#include "platform/Progress.h"
#include "resources/CommandTable.h"

#include <QHash>
#include <QMainWindow>
#include <QSet>

#include <functional>
#include <span>

class CFindDlg;
class CReplaceDlg;
class CStopKey;
class CTablewrightDoc;
class CTablewrightView;
class IUserPrompt;
class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QToolBar;

// The program's one window: menu bar, toolbar and accelerators built from
// the command table, a status bar of three panes whose third holds the
// progress bar, the remembered placement and the help topics.
class CMainFrame : public QMainWindow, public IProgress
{
    Q_OBJECT

public:
    explicit CMainFrame(IUserPrompt& prompt);
    ~CMainFrame() override;

    // The document whose title the window shows and which closing asks
    // about unsaved changes.
    void SetDocument(CTablewrightDoc* doc);
    // The view that Find, Find next and Replace search.
    void SetActiveView(CTablewrightView* view) { m_pView = view; }

    // Find and Replace: the dialogs keep the last confirmed values for as
    // long as the window lives, and Find next searches with the Find
    // dialog's.
    void OnEditFind();
    void OnEditFindNext();
    void OnEditReplace();
    CFindDlg& FindDialog() const { return *m_dlgFind; }
    CReplaceDlg& ReplaceDialog() const { return *m_dlgReplace; }

    QAction* Action(int id) const { return m_actions.value(id); }
    // Runs handler when the command is chosen, an open edit stored first.
    // A command that nothing handles stays disabled.
    void BindCommand(int id, std::function<void()> handler);
    // The same for a command that works on an open editor's text itself.
    void BindEditorCommand(int id, std::function<void()> handler);
    // Sets the enabled state or check mark of a command before it is shown.
    void BindUpdate(int id, std::function<void(QAction&)> update);
    void UpdateCommands();
    // Opens a context menu of commands at globalPos and runs the one chosen.
    void TrackPopupMenu(std::span<const Commands::MenuItem> items, const QPoint& globalPos);

    // Shows the window; the first time, where and how it was last closed.
    void ActivateFrame();
    void SetRecentFiles(const QStringList& paths);
    void UpdateTitle();

    // What a drop of files on the window does, and what coming back to the
    // front does; each runs as a command does.
    void SetDropHandler(std::function<void(const QStringList&)> handler)
    {
        m_dropHandler = std::move(handler);
    }
    void SetActivationHandler(std::function<void()> handler)
    {
        m_activationHandler = std::move(handler);
    }

    void SetProgress(int percent) override;
    void SetStatusPaneText(int pane, const QString& text) override;
    void SetStoppable(bool stoppable) override;
    bool StopAsked() const override;
    QString StatusPaneText(int pane) const;
    QProgressBar* ProgressBar() const { return m_wndProgress; }
    QToolBar* ToolBar() const { return m_wndToolBar; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void AddAccelerators(std::span<const Commands::Accelerator> accelerators);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void SetCellPaneText(const QString& text);
    void BindHelpTopics();
    void BindSearchCommands();
    class BusyScope;
    enum class OpenEdit
    {
        Store,
        Keep
    };
    void RunCommand(const std::function<void()>& handler, OpenEdit edit = OpenEdit::Store);
    void Bind(int id, std::function<void()> handler, OpenEdit edit);
    void PumpPendingMessages();

    IUserPrompt& m_prompt;
    CTablewrightDoc* m_pDoc = nullptr;
    QHash<int, QAction*> m_actions;
    QHash<int, std::function<void(QAction&)>> m_updates;
    QSet<int> m_bound;
    QToolBar* m_wndToolBar = nullptr;
    QLabel* m_wndPrompt = nullptr;
    QLabel* m_wndCellPane = nullptr;
    QLabel* m_wndStatisticsPane = nullptr;
    QLabel* m_wndDialectPane = nullptr;
    QProgressBar* m_wndProgress = nullptr;
    CStopKey* m_stopKey = nullptr;
    CFindDlg* m_dlgFind = nullptr;
    CReplaceDlg* m_dlgReplace = nullptr;
    CTablewrightView* m_pView = nullptr;
    bool m_bFirstActivation = true;
    // Commands under way; a close asked for meanwhile waits for them.
    int m_nBusy = 0;
    bool m_bClosePending = false;
    bool m_bWaitCursor = false;
    bool m_bStoppable = false;
    std::function<void(const QStringList&)> m_dropHandler;
    std::function<void()> m_activationHandler;
};
