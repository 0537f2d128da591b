#include "app/TablewrightApp.h"

#include "app/FileAssociation.h"
#include "app/MainFrame.h"
#include "dialogs/AboutDlg.h"
#include "document/TablewrightDoc.h"
#include "platform/UserPrompt.h"
#include "resources/CommandTable.h"
#include "resources/StringTable.h"
#include "view/DesktopShell.h"
#include "view/FilterController.h"
#include "view/GridZoom.h"
#include "view/ListCommands.h"
#include "view/TablewrightView.h"
#include "view/ViewClipboard.h"
#include "view/ViewMenus.h"
#include "view/ViewOptions.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>

#include <functional>
#include <tuple>
#include <vector>

namespace {

// About a tenth of a second of reading: below it, the start shows the list
// read.
constexpr qint64 kReadInWindowSize = qint64{32} << 20;

// "Annuler : Supprimer la ligne", enabled, or plain "Annuler", disabled,
// when there is no step; the shortcut shown stays.
void NameStep(QAction& action, const QString& plain, const char* named, const QString& step)
{
    action.setEnabled(!step.isEmpty());
    const QString shortcut = action.text().section(QLatin1Char('\t'), 1);
    QString text = step.isEmpty() ? plain : QString::fromUtf8(named).arg(step);
    if (!shortcut.isEmpty())
        text += QLatin1Char('\t') + shortcut;
    action.setText(text);
}

// The row menu, with the item that opens or runs the cell's text on top.
std::vector<Commands::MenuItem> RowMenuFor(Launch::Kind launch)
{
    using namespace Commands;
    std::vector<MenuItem> items;
    switch (launch) {
    case Launch::Kind::Link:
        items = {Item(ID_LAUNCH_LINK), kSeparator};
        break;
    case Launch::Kind::Command:
        items = {Item(ID_LAUNCH_COMMAND), kSeparator};
        break;
    case Launch::Kind::Folder:
        items = {Item(ID_LAUNCH_FOLDER), kSeparator};
        break;
    case Launch::Kind::None:
        break;
    }
    items.insert(items.end(), std::begin(kRowMenu), std::end(kRowMenu));
    return items;
}

} // namespace

CTablewrightApp::CTablewrightApp(IUserPrompt& prompt)
    : m_prompt(prompt), m_recentFiles(Commands::kRecentFileCount),
      m_pShell(std::make_unique<CDesktopShell>())
{
}

void CTablewrightApp::SetShell(std::unique_ptr<IShell> shell)
{
    m_pShell = std::move(shell);
}

CTablewrightApp::~CTablewrightApp()
{
    // The view listens to the document's list: the window goes first.
    m_pMainFrame.reset();
    m_pDoc.reset();
}

bool CTablewrightApp::InitInstance(const QStringList& arguments)
{
    m_recentFiles.ReadList();
    m_pMainFrame = std::make_unique<CMainFrame>(m_prompt);
    m_pDoc = std::make_unique<CTablewrightDoc>(m_prompt, *m_pMainFrame);
    m_pView = new CTablewrightView(*m_pDoc, *m_pMainFrame, m_pMainFrame.get());
    m_pMainFrame->setCentralWidget(m_pView);
    // The title and what the commands may do follow the document's state
    // and the view's selection and editor.
    m_pDoc->SetStateListener([this] {
        m_pMainFrame->UpdateTitle();
        m_pMainFrame->UpdateCommands();
    });
    QObject::connect(m_pView, &CTablewrightView::commandStateChanged, m_pMainFrame.get(),
                     &CMainFrame::UpdateCommands);
    QObject::connect(
        &m_pView->Menus(), &CViewMenus::columnMenuRequested, m_pMainFrame.get(),
        [this](const QPoint& at) { m_pMainFrame->TrackPopupMenu(Commands::kColumnMenu, at); });
    QObject::connect(&m_pView->Menus(), &CViewMenus::rowMenuRequested, m_pMainFrame.get(),
                     [this](const QPoint& at, Launch::Kind launch) {
                         m_pMainFrame->TrackPopupMenu(RowMenuFor(launch), at);
                     });
    m_pMainFrame->SetDocument(m_pDoc.get());
    m_pMainFrame->SetActiveView(m_pView);
    m_pMainFrame->SetRecentFiles(m_recentFiles.Paths());
    m_pMainFrame->SetDropHandler([this](const QStringList& paths) { OnFilesDropped(paths); });
    m_pMainFrame->SetActivationHandler([this] { OnActivated(); });
    BindCommands();

    // A list that takes a while to read is read in the window, which shows
    // its progress meanwhile; a small one appears read, and one that cannot
    // be opened ends the start without a window.
    const bool readInWindow =
        !arguments.isEmpty() && QFileInfo(arguments.front()).size() >= kReadInWindowSize;
    if (arguments.isEmpty() || readInWindow) {
        m_pDoc->OnNewDocument();
        m_pView->OnInitialUpdate();
    }
    if (readInWindow)
        m_pMainFrame->ActivateFrame();
    if (!arguments.isEmpty() && !OpenDocumentFile(arguments.front())) {
        m_pMainFrame->hide();
        return false;
    }
    m_pMainFrame->ActivateFrame();
    m_pView->setFocus();
    return true;
}

void CTablewrightApp::BindCommands()
{
    using namespace Commands;
    CMainFrame& frame = *m_pMainFrame;
    frame.BindCommand(ID_FILE_NEW, [this] { OnFileNew(); });
    frame.BindCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
    frame.BindCommand(ID_FILE_SAVE, [this] { OnFileSave(); });
    frame.BindCommand(ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
    for (int i = 0; i < kRecentFileCount; ++i)
        frame.BindCommand(ID_FILE_MRU_FILE1 + i, [this, i] { OnOpenRecentFile(i); });
    frame.BindCommand(ID_APP_EXIT, [this] { m_pMainFrame->close(); });
    frame.BindCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
    frame.BindCommand(ID_FILE_ASSOCIATE, [this] { OnFileAssociate(); });
    BindFormatCommands();

    CViewOptions& options = m_pView->Options();
    frame.BindCommand(ID_OPTION_SINGLE_CLICK, [&options] { options.OnOptionSingleClickEntry(); });
    frame.BindUpdate(ID_OPTION_SINGLE_CLICK, [&options](QAction& action) {
        action.setChecked(options.SingleClickEntry());
    });
    frame.BindCommand(ID_OPTION_GO_TO_LAST, [&options] { options.OnOptionGoToLastItem(); });
    frame.BindUpdate(ID_OPTION_GO_TO_LAST,
                     [&options](QAction& action) { action.setChecked(options.GoToLastItem()); });
    BindEditCommands();
    BindViewCommands();
    frame.UpdateCommands();
}

void CTablewrightApp::BindEditCommands()
{
    using namespace Commands;
    CMainFrame& frame = *m_pMainFrame;
    CTablewrightView& view = *m_pView;
    CListCommands& list = view.Commands();
    CFilterController& filter = view.Filter();
    CViewMenus& menus = view.Menus();
    using Handler = std::function<void()>;
    using Condition = std::function<bool()>;
    const Condition onRow = [&list] { return list.HasSelectedRow(); };
    const Condition onColumn = [&list] { return list.HasMenuColumn(); };
    // The row menu's own entries are always enabled; with no row selected
    // they do nothing. Renaming and deleting need a column under the menu.
    const std::tuple<Id, Handler, Condition> commands[] = {
        {ID_ROW_INSERT_ABOVE, [&list] { list.OnRowInsertAbove(); }, onRow},
        {ID_ROW_INSERT_BELOW, [&list] { list.OnRowInsertBelow(); }, onRow},
        {ID_ROW_DELETE, [&list] { list.OnRowDelete(); }, onRow},
        {ID_ROW_MOVE_UP, [&list] { list.OnRowMoveUp(); }, onRow},
        {ID_ROW_MOVE_DOWN, [&list] { list.OnRowMoveDown(); }, onRow},
        {ID_EDIT_FILL_DOWN, [&list] { list.OnEditFillDown(); }, onRow},
        {ID_EDIT_FILL_RIGHT, [&list] { list.OnEditFillRight(); }, onRow},
        {ID_ROW_MENU_DELETE, [&list] { list.OnRowDelete(); }, {}},
        {ID_ROW_MENU_INSERT_ABOVE, [&list] { list.OnRowInsertAbove(); }, {}},
        {ID_ROW_MENU_INSERT_BELOW, [&list] { list.OnRowInsertBelow(); }, {}},
        {ID_COLUMN_RENAME, [&list] { list.OnColumnRename(); }, onColumn},
        {ID_COLUMN_INSERT_BEFORE, [&list] { list.OnColumnInsertBefore(); }, {}},
        {ID_COLUMN_INSERT_AFTER, [&list] { list.OnColumnInsertAfter(); }, {}},
        {ID_COLUMN_DELETE, [&list] { list.OnColumnDelete(); }, onColumn},
        {ID_COLUMN_SORT, [&list] { list.OnColumnSort(); }, onColumn},
        {ID_EDIT_SORT, [&list] { list.OnEditSort(); }, {}},
        {ID_EDIT_REMOVE_DUPLICATES, [&list] { list.OnRemoveDuplicates(); }, {}},
        {ID_EDIT_UNDO, [&list] { list.OnEditUndo(); }, {}},
        {ID_EDIT_REDO, [&list] { list.OnEditRedo(); }, {}},
        {ID_LAUNCH_LINK, [&menus] { menus.OnLaunchWithShell(); }, {}},
        {ID_LAUNCH_FOLDER, [&menus] { menus.OnLaunchWithShell(); }, {}},
        {ID_LAUNCH_COMMAND, [&menus] { menus.OnLaunchCommand(); }, {}},
        {ID_FILE_PRINT, [&view] { view.OnFilePrint(); }, {}},
        {ID_FILE_PRINT_PREVIEW, [&view] { view.OnFilePrintPreview(); }, {}},
        {ID_FILE_PRINT_SETUP, [&view] { view.OnFilePrintSetup(); }, {}},
        {ID_EDIT_FILTER, [&filter] { filter.OnEditFilter(); }, {}},
        {ID_ROW_MENU_FILTER_VALUE, [&filter] { filter.OnFilterOnValue(); },
         [&filter] { return filter.HasCurrentText(); }},
        {ID_ROW_MENU_CLEAR_FILTER, [&filter] { filter.OnClearFilter(); }, {}},
    };
    for (const auto& [id, handler, enabled] : commands) {
        frame.BindCommand(id, handler);
        if (enabled)
            frame.BindUpdate(id, [enabled](QAction& action) { action.setEnabled(enabled()); });
    }
    // The clipboard works on the editor's text while an edit is open.
    CViewClipboard& clipboard = view.Clipboard();
    frame.BindEditorCommand(ID_EDIT_COPY, [&clipboard] { clipboard.OnEditCopy(); });
    frame.BindEditorCommand(ID_EDIT_CUT, [&clipboard] { clipboard.OnEditCut(); });
    frame.BindEditorCommand(ID_EDIT_PASTE, [&clipboard] { clipboard.OnEditPaste(); });
    frame.BindUpdate(ID_EDIT_FILTER,
                     [&filter](QAction& action) { action.setChecked(filter.IsFilterBarOpen()); });
    // The row menu offers to remove a filter only while there is one.
    frame.BindUpdate(ID_ROW_MENU_CLEAR_FILTER,
                     [&filter](QAction& action) { action.setVisible(filter.IsFiltering()); });
    const CEditHistory& history = m_pDoc->History();
    frame.BindUpdate(ID_EDIT_UNDO, [&history](QAction& action) {
        NameStep(action, QStringLiteral("Annuler"), Strings::kUndoMenu, history.UndoName());
    });
    frame.BindUpdate(ID_EDIT_REDO, [&history](QAction& action) {
        NameStep(action, QStringLiteral("Rétablir"), Strings::kRedoMenu, history.RedoName());
    });
}

// The option of Enter in the editor, and the zoom. The zoom leaves an open
// edit open: its editor grows and shrinks with the cells.
void CTablewrightApp::BindViewCommands()
{
    using namespace Commands;
    CMainFrame& frame = *m_pMainFrame;
    CViewOptions& options = m_pView->Options();
    frame.BindCommand(ID_OPTION_ENTER_MOVES_DOWN, [&options] { options.OnOptionEnterMovesDown(); });
    frame.BindUpdate(ID_OPTION_ENTER_MOVES_DOWN,
                     [&options](QAction& action) { action.setChecked(options.EnterMovesDown()); });
    CGridZoom& zoom = m_pView->Zoom();
    frame.BindEditorCommand(ID_VIEW_ZOOM_IN, [&zoom] { zoom.ZoomIn(); });
    frame.BindEditorCommand(ID_VIEW_ZOOM_OUT, [&zoom] { zoom.ZoomOut(); });
    frame.BindEditorCommand(ID_VIEW_ZOOM_RESET, [&zoom] { zoom.ResetZoom(); });
}

// Each format's import and export commands, as the table of formats names
// them.
void CTablewrightApp::BindFormatCommands()
{
    for (const FileFormatEntry& entry : FileFormats::All()) {
        const FileFormat format = entry.format;
        if (entry.importCommand != 0)
            m_pMainFrame->BindCommand(entry.importCommand,
                                      [this, format] { m_pDoc->OnImport(format); });
        if (entry.exportCommand != 0)
            m_pMainFrame->BindCommand(entry.exportCommand,
                                      [this, format] { m_pDoc->OnExport(format); });
    }
}

void CTablewrightApp::OnFileNew()
{
    if (!m_pDoc->SaveModified())
        return;
    m_pDoc->OnNewDocument();
    m_pView->OnInitialUpdate();
}

void CTablewrightApp::OnFileOpen()
{
    const QString path = m_pDoc->ChooseListToOpen();
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

bool CTablewrightApp::OpenDocumentFile(const QString& path)
{
    if (!m_pDoc->OpenDocumentFile(path))
        return false;
    m_pView->OnInitialUpdate();
    m_recentFiles.Add(path);
    m_pMainFrame->SetRecentFiles(m_recentFiles.Paths());
    return true;
}

void CTablewrightApp::OnFilesDropped(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    OpenDocumentFile(paths.front());
    for (qsizetype i = 1; i < paths.size(); ++i)
        m_pShell->StartDetached(QCoreApplication::applicationFilePath(),
                                {QStringLiteral("--"), paths[i]});
}

void CTablewrightApp::OnActivated()
{
    if (m_pDoc->OfferReload())
        m_pView->OnInitialUpdate();
}

void CTablewrightApp::OnFileSave()
{
    if (m_pDoc->DoFileSave())
        AddToRecentFiles();
}

void CTablewrightApp::OnFileSaveAs()
{
    if (m_pDoc->DoFileSaveAs())
        AddToRecentFiles();
}

void CTablewrightApp::AddToRecentFiles()
{
    m_recentFiles.Add(m_pDoc->GetPathName());
    m_pMainFrame->SetRecentFiles(m_recentFiles.Paths());
}

void CTablewrightApp::OnOpenRecentFile(int index)
{
    const QStringList& paths = m_recentFiles.Paths();
    if (index < 0 || index >= paths.size())
        return;
    const QString path = paths[index];
    if (OpenDocumentFile(path) || QFileInfo::exists(path))
        return;
    // A file that is gone leaves the list.
    m_recentFiles.Remove(index);
    m_pMainFrame->SetRecentFiles(m_recentFiles.Paths());
}

void CTablewrightApp::OnAppAbout()
{
    CAboutDlg dialog(m_fVersion, m_pMainFrame.get());
    dialog.exec();
}

void CTablewrightApp::OnFileAssociate()
{
    // A failure leaves every file whole and is not worth a message: the
    // lists still open from Quire's own menu.
    FileAssociation::Register(QCoreApplication::applicationFilePath());
}
