#include "AppSession.h"

#include "app/MainFrame.h"
#include "app/TablewrightApp.h"
#include "document/TablewrightDoc.h"
#include "view/GridTableView.h"
#include "view/TablewrightView.h"

#include <QApplication>
#include <QTest>

AppSession::AppSession() = default;

AppSession::~AppSession() = default;

bool AppSession::Start(const QStringList& arguments)
{
    m_app = std::make_unique<CTablewrightApp>(prompt);
    return m_app->InitInstance(arguments);
}

bool AppSession::StartWith(const QString& name, const std::string& bytes)
{
    if (!Start({files.Write(name, bytes)}))
        return false;
    QApplication::setActiveWindow(&Frame());
    return QTest::qWaitForWindowActive(&Frame());
}

void AppSession::Stop()
{
    m_app.reset();
}

CMainFrame& AppSession::Frame() const
{
    return m_app->GetMainFrame();
}

CTablewrightView& AppSession::View() const
{
    return m_app->GetView();
}

CTablewrightDoc& AppSession::Doc() const
{
    return m_app->GetDocument();
}

CGridListCtrl& AppSession::Grid() const
{
    return Doc().GetGrid();
}

QAction& AppSession::Action(const char* name) const
{
    return *FindAction(Frame(), QString::fromLatin1(name));
}

void AppSession::Key(int key, Qt::KeyboardModifiers modifiers) const
{
    QApplication::setActiveWindow(&Frame());
    QTest::keyClick(View().GridWidget(), static_cast<Qt::Key>(key), modifiers);
}

QString AppSession::Cell(int row, int column) const
{
    return QString::fromStdString(Grid().GetItemText(row, column));
}
