// The view's clipboard and search commands. For one cell the clipboard works
// on the stored text; an open editor follows: copy and cut show the cell's
// stored text in it, paste replaces what it holds, so a later commit stores
// what it shows. A range travels as a block of cells, as spreadsheets exchange them.
#include "view/TablewrightView.h"

#include "document/TablewrightDoc.h"
#include "edit/GridCommands.h"
#include "edit/RangeCommands.h"
#include "edit/SearchCommands.h"
#include "exchange/ClipboardBlock.h"
#include "view/CellEditor.h"
#include "view/ScopedWaitCursor.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <memory>
#include <optional>

QString CTablewrightView::ShowStoredTextInEditor()
{
    const QString text = QString::fromStdString(GridCommands::CurrentCellContent(m_wndGrid));
    if (m_bEditing) {
        m_wndCellEdit->setText(text);
        m_wndCellEdit->selectAll();
    }
    // An empty text leaves the clipboard as it was.
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
    return text;
}

void CTablewrightView::CopyRange()
{
    auto data = std::make_unique<QMimeData>();
    data->setText(QString::fromStdString(GridCommands::RangeText(m_wndGrid)));
    data->setHtml(QString::fromStdString(GridCommands::RangeHtml(m_wndGrid)));
    QGuiApplication::clipboard()->setMimeData(data.release());
}

void CTablewrightView::OnEditCopy()
{
    if (m_wndGrid.Cursor().HasRange()) {
        const ScopedWaitCursor waiting;
        CopyRange();
        return;
    }
    ShowStoredTextInEditor();
    ShowCurrentCell();
}

void CTablewrightView::OnEditCut()
{
    if (m_wndGrid.Cursor().HasRange()) {
        CancelCellEdit();
        const ScopedWaitCursor waiting;
        CopyRange();
        GridCommands::EmptyRange(m_doc, GridCommands::Emptying::Cut);
        return;
    }
    ShowStoredTextInEditor();
    m_wndCellEdit->clear();
    GridCommands::CutCurrentCell(m_doc);
    ShowCurrentCell();
}

// A block, or a text over a range, lands in cells of its own: an open edit
// is dropped first, as the paste replaces the cell it was on. One text for
// one cell goes through the editor, its TABs and line breaks made spaces.
void CTablewrightView::OnEditPaste()
{
    const QByteArray pasted = QGuiApplication::clipboard()->text().toUtf8();
    const std::string_view text(pasted.constData(), pasted.size());
    if (ClipboardBlock::IsBlock(text) || m_wndGrid.Cursor().HasRange())
        CancelCellEdit();
    std::optional<std::string> single;
    {
        const ScopedWaitCursor waiting;
        single = GridCommands::Paste(m_doc, text);
    }
    if (single && m_bEditing)
        m_wndCellEdit->setText(QString::fromStdString(*single));
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
