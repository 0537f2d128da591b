// The view's clipboard and search commands. The clipboard goes through the
// cell editor, open or not: copy and cut show the cell's stored text in it,
// paste replaces what it holds, so a later commit stores what it shows.
#include "view/TablewrightView.h"

#include "document/TablewrightDoc.h"
#include "edit/GridCommands.h"
#include "edit/SearchCommands.h"
#include "grid/CellText.h"
#include "view/ScopedWaitCursor.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

QString CTablewrightView::ShowStoredTextInEditor()
{
    const QString text = QString::fromStdString(GridCommands::CurrentCellContent(m_wndGrid));
    m_wndCellEdit->setText(text);
    m_wndCellEdit->selectAll();
    // An empty text leaves the clipboard as it was.
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
    return text;
}

void CTablewrightView::OnEditCopy()
{
    ShowStoredTextInEditor();
    ShowCurrentCell();
}

void CTablewrightView::OnEditCut()
{
    ShowStoredTextInEditor();
    m_wndCellEdit->clear();
    GridCommands::CutCurrentCell(m_doc);
    ShowCurrentCell();
}

// The whole clipboard text is pasted; its TABs and line breaks become
// spaces, as in any cell.
void CTablewrightView::OnEditPaste()
{
    const QByteArray pasted = QGuiApplication::clipboard()->text().toUtf8();
    const std::string clean = CellText::Clean(std::string_view(pasted.constData(), pasted.size()));
    m_wndCellEdit->setText(QString::fromStdString(clean));
    GridCommands::PasteIntoCurrentCell(m_doc, clean);
    ShowCurrentCell();
}

void CTablewrightView::FindText(const FindRequest& request)
{
    CommitBeforeCommand();
    bool found = false;
    {
        const ScopedWaitCursor waiting;
        found = GridCommands::FindText(m_doc, request);
    }
    if (found)
        ShowCurrentCell();
}

void CTablewrightView::ReplaceAll(const ReplaceRequest& request)
{
    CommitBeforeCommand();
    GridCommands::ReplaceAll(m_doc, request);
    ShowCurrentCell();
}
