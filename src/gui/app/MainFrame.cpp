#include "app/MainFrame.h"

#include "app/Settings.h"
#include "app/StopKey.h"
#include "app/WindowPlacement.h"
#include "dialogs/FindDlg.h"
#include "dialogs/ReplaceDlg.h"
#include "document/TablewrightDoc.h"
#include "platform/UserPrompt.h"
#include "resources/CommandTable.h"
#include "resources/StringTable.h"
#include "view/ListCommands.h"
#include "view/TablewrightView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>

#include <vector>

namespace {

constexpr int kCellPaneWidth = 120;
constexpr int kProgressPaneWidth = 100;
constexpr int kRecentPathLength = 60;
// How long the word that a read was stopped stays in the status bar, in ms.
constexpr int kStoppedMessageTime = 8000;

QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

// The tool tip is the prompt's second line, or the menu text without its
// mnemonic and shortcut.
QString ToolTipOf(const Commands::Command& command)
{
    const QString prompt = command.prompt ? Text(command.prompt) : QString();
    const qsizetype newline = prompt.indexOf(QLatin1Char('\n'));
    if (newline >= 0)
        return prompt.mid(newline + 1);
    QString text = Text(command.text).section(QLatin1Char('\t'), 0, 0);
    return text.remove(QLatin1Char('&'));
}

// A long path keeps its start and its file name.
QString ShortenedPath(const QString& path)
{
    const QString native = QDir::toNativeSeparators(path);
    if (native.size() <= kRecentPathLength)
        return native;
    const QString name =
        QDir::toNativeSeparators(QLatin1Char('/') + path.section(QLatin1Char('/'), -1));
    const qsizetype head = std::max<qsizetype>(3, kRecentPathLength - name.size() - 3);
    return native.left(head) + QStringLiteral("...") + name;
}

} // namespace

CMainFrame::CMainFrame(IUserPrompt& prompt) : m_prompt(prompt)
{
    setObjectName(QStringLiteral("mainFrame"));
    // Files dropped anywhere on the window open.
    setAcceptDrops(true);
    setWindowIcon(QIcon(QStringLiteral(":/icons/quire.svg")));
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    m_dlgFind = new CFindDlg(this);
    m_dlgReplace = new CReplaceDlg(this);
    m_stopKey = new CStopKey(this);
    BindHelpTopics();
    BindSearchCommands();
    SetRecentFiles({});
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::SetDocument(CTablewrightDoc* doc)
{
    m_pDoc = doc;
    UpdateTitle();
}

void CMainFrame::CreateActions()
{
    for (const Commands::Command& command : Commands::kCommands) {
        auto* action = new QAction(Text(command.text), this);
        action->setObjectName(QLatin1String(command.name));
        if (command.prompt)
            action->setStatusTip(Text(command.prompt).section(QLatin1Char('\n'), 0, 0));
        action->setToolTip(ToolTipOf(command));
        if (command.icon)
            action->setIcon(
                QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(command.icon))));
        action->setCheckable(command.checkable);
        action->setEnabled(false);
        m_actions.insert(command.id, action);
    }
    AddAccelerators(Commands::kAccelerators);
    AddAccelerators(Commands::kGridAccelerators);
}

void CMainFrame::AddAccelerators(std::span<const Commands::Accelerator> accelerators)
{
    for (const Commands::Accelerator& accelerator : accelerators) {
        QAction* action = Action(accelerator.id);
        // The first accelerator of a command is the one its menu shows.
        action->setShortcuts(action->shortcuts() << QKeySequence(QLatin1String(accelerator.keys)));
        // Accelerators work whether or not the action is on a menu.
        addAction(action);
    }
}

void CMainFrame::CreateMenus()
{
    std::vector<QMenu*> open;
    for (const Commands::MenuItem& item : Commands::kMenuBar) {
        switch (item.kind) {
        case Commands::MenuItem::Popup: {
            QMenu* menu = open.empty() ? menuBar()->addMenu(Text(item.title))
                                       : open.back()->addMenu(Text(item.title));
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
            open.push_back(menu);
            break;
        }
        case Commands::MenuItem::End:
            open.pop_back();
            break;
        case Commands::MenuItem::Separator:
            open.back()->addSeparator();
            break;
        case Commands::MenuItem::Command:
            open.back()->addAction(Action(item.id));
            break;
        }
    }
}

void CMainFrame::CreateToolBar()
{
    m_wndToolBar = addToolBar(QStringLiteral("Barre d'outils"));
    m_wndToolBar->setObjectName(QStringLiteral("toolBar"));
    m_wndToolBar->setIconSize(QSize(16, 16));
    m_wndToolBar->setMovable(true);
    m_wndToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (const int id : Commands::kToolbar) {
        if (id == 0)
            m_wndToolBar->addSeparator();
        else
            m_wndToolBar->addAction(Action(id));
    }
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("statusBar"));
    // Pane 0: menu prompts cover it while they show; a blank otherwise.
    m_wndPrompt = new QLabel(QStringLiteral(" "), bar);
    m_wndPrompt->setObjectName(QStringLiteral("pane0"));
    bar->addWidget(m_wndPrompt, 1);
    // The dialect of a CSV or text document; hidden for a list.
    m_wndDialectPane = new QLabel(bar);
    m_wndDialectPane->setObjectName(QStringLiteral("dialectPane"));
    m_wndDialectPane->setFrameShape(QFrame::StyledPanel);
    m_wndDialectPane->setFrameShadow(QFrame::Sunken);
    m_wndDialectPane->hide();
    bar->addPermanentWidget(m_wndDialectPane);
    // The numbers of a range; hidden while there are none to show.
    m_wndStatisticsPane = new QLabel(bar);
    m_wndStatisticsPane->setObjectName(QStringLiteral("pane3"));
    m_wndStatisticsPane->setFrameShape(QFrame::StyledPanel);
    m_wndStatisticsPane->setFrameShadow(QFrame::Sunken);
    m_wndStatisticsPane->hide();
    bar->addPermanentWidget(m_wndStatisticsPane);
    m_wndCellPane = new QLabel(bar);
    m_wndCellPane->setObjectName(QStringLiteral("pane1"));
    m_wndCellPane->setMinimumWidth(kCellPaneWidth);
    m_wndCellPane->setFrameShape(QFrame::StyledPanel);
    m_wndCellPane->setFrameShadow(QFrame::Sunken);
    bar->addPermanentWidget(m_wndCellPane);
    m_wndProgress = new QProgressBar(bar);
    m_wndProgress->setObjectName(QStringLiteral("pane2"));
    m_wndProgress->setFixedWidth(kProgressPaneWidth);
    m_wndProgress->setRange(0, 100);
    m_wndProgress->setValue(0);
    m_wndProgress->setTextVisible(false);
    bar->addPermanentWidget(m_wndProgress);
}

void CMainFrame::BindHelpTopics()
{
    using namespace Commands;
    const std::pair<Id, const char*> topics[] = {
        {ID_HELP_ENTER_TEXT, Strings::kHelpEnterText},
        {ID_HELP_INSERT_ROW, Strings::kHelpInsertRow},
        {ID_HELP_DELETE_ROW, Strings::kHelpDeleteRow},
        {ID_HELP_RENAME_COLUMN, Strings::kHelpRenameColumn},
        {ID_HELP_INSERT_COLUMN, Strings::kHelpInsertColumn},
        {ID_HELP_DELETE_COLUMN, Strings::kHelpDeleteColumn},
    };
    for (const auto& [id, text] : topics) {
        BindCommand(id, [this, text] {
            m_prompt.MessageBox(Text(text), IUserPrompt::Buttons::Ok,
                                IUserPrompt::Icon::Information);
        });
    }
}

void CMainFrame::BindSearchCommands()
{
    using namespace Commands;
    BindCommand(ID_EDIT_FIND, [this] { OnEditFind(); });
    BindCommand(ID_TOOLBAR_FIND, [this] { OnEditFind(); });
    BindCommand(ID_EDIT_FIND_NEXT, [this] { OnEditFindNext(); });
    BindUpdate(ID_EDIT_FIND_NEXT,
               [this](QAction& action) { action.setEnabled(!m_dlgFind->m_strFind.isEmpty()); });
    BindCommand(ID_EDIT_REPLACE, [this] { OnEditReplace(); });
    BindCommand(ID_TOOLBAR_REPLACE, [this] { OnEditReplace(); });
}

void CMainFrame::OnEditFind()
{
    if (m_dlgFind->DoModal() != QDialog::Accepted || !m_pView)
        return;
    m_pView->Commands().FindText({m_dlgFind->m_strFind.toStdString(), m_dlgFind->m_bMatchCase != 0,
                                  m_dlgFind->m_bWholeWord != 0, false, m_dlgFind->m_bRegex != 0});
}

void CMainFrame::OnEditFindNext()
{
    if (m_dlgFind->m_strFind.isEmpty() || !m_pView)
        return;
    m_pView->Commands().FindText({m_dlgFind->m_strFind.toStdString(), m_dlgFind->m_bMatchCase != 0,
                                  m_dlgFind->m_bWholeWord != 0, true, m_dlgFind->m_bRegex != 0});
}

void CMainFrame::OnEditReplace()
{
    if (m_dlgReplace->DoModal() != QDialog::Accepted || !m_pView)
        return;
    m_pView->Commands().ReplaceAll({m_dlgReplace->m_strFind.toStdString(),
                                    m_dlgReplace->m_strReplace.toStdString(),
                                    m_dlgReplace->m_bMatchCase != 0,
                                    m_dlgReplace->m_bWholeWord != 0, m_dlgReplace->m_bRegex != 0});
}

void CMainFrame::BindCommand(int id, std::function<void()> handler)
{
    Bind(id, std::move(handler), OpenEdit::Store);
}

void CMainFrame::BindEditorCommand(int id, std::function<void()> handler)
{
    Bind(id, std::move(handler), OpenEdit::Keep);
}

void CMainFrame::Bind(int id, std::function<void()> handler, OpenEdit edit)
{
    QAction* action = Action(id);
    m_bound.insert(id);
    action->setEnabled(true);
    connect(action, &QAction::triggered, this,
            [this, edit, handler = std::move(handler)] { RunCommand(handler, edit); });
}

void CMainFrame::TrackPopupMenu(std::span<const Commands::MenuItem> items, const QPoint& globalPos)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("contextMenu"));
    for (const Commands::MenuItem& item : items) {
        if (item.kind == Commands::MenuItem::Separator)
            menu.addSeparator();
        else if (item.kind == Commands::MenuItem::Command)
            menu.addAction(Action(item.id));
    }
    UpdateCommands();
    menu.exec(globalPos);
}

void CMainFrame::BindUpdate(int id, std::function<void(QAction&)> update)
{
    m_updates.insert(id, std::move(update));
}

void CMainFrame::UpdateCommands()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        if (!m_bound.contains(it.key()))
            it.value()->setEnabled(false);
        else if (const auto update = m_updates.constFind(it.key()); update != m_updates.cend())
            (*update)(*it.value());
    }
}

// The window is busy while a command runs. However the outermost command
// ends, its end gives the cursor back.
class CMainFrame::BusyScope
{
public:
    explicit BusyScope(CMainFrame& frame) : m_frame(frame) { ++m_frame.m_nBusy; }
    ~BusyScope()
    {
        if (--m_frame.m_nBusy == 0 && m_frame.m_bWaitCursor) {
            m_frame.m_bWaitCursor = false;
            QApplication::restoreOverrideCursor();
        }
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    CMainFrame& m_frame;
};

namespace {

// The local files a drag carries, in order.
QStringList LocalFiles(const QMimeData* data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

} // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (m_dropHandler && !LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QStringList paths = LocalFiles(event->mimeData());
    if (paths.isEmpty() || !m_dropHandler || m_nBusy > 0)
        return;
    event->acceptProposedAction();
    // The drag's source waits for the drop to end: the files open after.
    QMetaObject::invokeMethod(
        this, [this, paths] { RunCommand([this, &paths] { m_dropHandler(paths); }); },
        Qt::QueuedConnection);
}

// Coming back to the front, once the activation is over: a question asked
// from inside it would come before the window is drawn.
void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !m_activationHandler)
        return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_nBusy == 0 && QApplication::activeModalWidget() == nullptr)
                RunCommand(m_activationHandler);
        },
        Qt::QueuedConnection);
}

void CMainFrame::RunCommand(const std::function<void()>& handler, OpenEdit edit)
{
    {
        const BusyScope busy(*this);
        if (m_pView && edit == OpenEdit::Store)
            m_pView->RunCommand(handler);
        else
            handler();
    }
    if (m_nBusy > 0)
        return;
    UpdateCommands();
    if (m_bClosePending) {
        m_bClosePending = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
}

void CMainFrame::ActivateFrame()
{
    if (!m_bFirstActivation) {
        show();
        raise();
        activateWindow();
        return;
    }
    m_bFirstActivation = false;
    const Settings::Store settings;
    restoreState(settings.ReadToolbarState());
    WindowPlacement::Read(settings).Show(*this);
}

void CMainFrame::SetRecentFiles(const QStringList& paths)
{
    for (int i = 0; i < Commands::kRecentFileCount; ++i) {
        QAction* action = Action(Commands::ID_FILE_MRU_FILE1 + i);
        if (i < paths.size()) {
            QString shown = ShortenedPath(paths[i]);
            shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
            action->setVisible(true);
        } else {
            // With no file at all, the first entry stands greyed in their place.
            action->setText(i == 0 ? QStringLiteral("Fichiers récents") : QString());
            action->setVisible(i == 0);
        }
    }
    BindUpdate(Commands::ID_FILE_MRU_FILE1,
               [hasFiles = !paths.isEmpty()](QAction& action) { action.setEnabled(hasFiles); });
    UpdateCommands();
}

void CMainFrame::UpdateTitle()
{
    if (!m_pDoc)
        return;
    QString title = m_pDoc->GetTitle();
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(title + QStringLiteral("[*] - ") + Text(Strings::kAppName));
    setWindowModified(m_pDoc->IsModified());
    const QString dialect = m_pDoc->DialectText();
    m_wndDialectPane->setText(dialect);
    m_wndDialectPane->setVisible(!dialect.isEmpty());
}

void CMainFrame::SetProgress(int percent)
{
    if (m_nBusy > 0 && !m_bWaitCursor) {
        m_bWaitCursor = true;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    if (m_wndProgress->value() != percent)
        m_wndProgress->setValue(percent);
    PumpPendingMessages();
}

// Lets the window repaint and timers run, but no command may change the
// grid while a file is being read or written: the keyboard and the mouse
// wait, or, while a read may be stopped, are swallowed but for Échap. A
// close asked for meanwhile is carried out afterwards.
void CMainFrame::PumpPendingMessages()
{
    QCoreApplication::processEvents(m_bStoppable ? QEventLoop::AllEvents
                                                 : QEventLoop::ExcludeUserInputEvents);
}

void CMainFrame::SetStoppable(bool stoppable)
{
    m_bStoppable = stoppable;
    m_stopKey->Listen(stoppable);
    if (stoppable)
        statusBar()->showMessage(Text(Strings::kReadingStoppable));
    else if (m_stopKey->Pressed())
        statusBar()->showMessage(Text(Strings::kReadStopped), kStoppedMessageTime);
    else
        statusBar()->clearMessage();
}

bool CMainFrame::StopAsked() const
{
    return m_stopKey->Pressed();
}

void CMainFrame::SetStatusPaneText(int pane, const QString& text)
{
    if (pane == 0) {
        m_wndPrompt->setText(text);
    } else if (pane == 1) {
        SetCellPaneText(text);
    } else if (pane == 3) {
        m_wndStatisticsPane->setText(text);
        m_wndStatisticsPane->setVisible(!text.isEmpty());
    }
}

// The pane keeps its usual width and grows when a large row or column
// number needs it; QLabel's size hint takes in its minimum width, which is
// therefore reset first. The status bar's panes also set the window's
// minimum width, so that a narrow window widens rather than covering the
// text with the progress bar; QStatusBar rebuilds its layout at times, so
// this is said again with each text.
void CMainFrame::SetCellPaneText(const QString& text)
{
    m_wndCellPane->setText(text);
    m_wndCellPane->setMinimumWidth(kCellPaneWidth);
    m_wndCellPane->setMinimumWidth(m_wndCellPane->sizeHint().width());
    statusBar()->layout()->setSizeConstraint(QLayout::SetMinimumSize);
}

QString CMainFrame::StatusPaneText(int pane) const
{
    if (pane == 0)
        return statusBar()->currentMessage().isEmpty() ? m_wndPrompt->text()
                                                       : statusBar()->currentMessage();
    if (pane == 1)
        return m_wndCellPane->text();
    if (pane == 3)
        return m_wndStatisticsPane->text();
    return {};
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    {
        Settings::Store settings;
        WindowPlacement::Capture(*this).Write(settings);
        settings.WriteToolbarState(saveState());
    }
    if (m_nBusy > 0) {
        m_bClosePending = true;
        event->ignore();
        return;
    }
    bool mayClose = true;
    RunCommand([this, &mayClose] { mayClose = !m_pDoc || m_pDoc->SaveModified(); });
    if (!mayClose) {
        event->ignore();
        return;
    }
    if (m_pDoc)
        m_pDoc->OnCloseDocument();
    event->accept();
}
