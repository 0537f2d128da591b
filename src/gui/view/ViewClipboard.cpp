#include "view/ViewClipboard.h"

#include "document/TablewrightDoc.h"
#include "edit/GridCommands.h"
#include "edit/RangeCommands.h"
#include "exchange/ClipboardBlock.h"
#include "view/CellEditing.h"
#include "view/CellEditor.h"
#include "view/RangeMimeData.h"
#include "view/ScopedWaitCursor.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <optional>

CViewClipboard::CViewClipboard(CTablewrightDoc& doc, CCellEditing& editing)
    : m_doc(doc), m_editing(editing)
{
}

// An empty text leaves the clipboard as it was.
void CViewClipboard::ShowStoredTextInEditor()
{
    const QString text = QString::fromStdString(GridCommands::CurrentCellContent(m_doc.GetGrid()));
    if (m_editing.IsEditing()) {
        m_editing.Editor()->setText(text);
        m_editing.Editor()->selectAll();
    }
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void CViewClipboard::CopyRange()
{
    const ScopedWaitCursor waiting;
    QGuiApplication::clipboard()->setMimeData(
        new CRangeMimeData(GridCommands::RangeText(m_doc.GetGrid())));
}

void CViewClipboard::OnEditCopy()
{
    if (m_doc.GetGrid().Cursor().HasRange())
        CopyRange();
    else
        ShowStoredTextInEditor();
}

void CViewClipboard::OnEditCut()
{
    if (m_doc.GetGrid().Cursor().HasRange()) {
        m_editing.CancelCellEdit();
        CopyRange();
        GridCommands::EmptyRange(m_doc, GridCommands::Emptying::Cut);
        return;
    }
    ShowStoredTextInEditor();
    m_editing.Editor()->clear();
    GridCommands::CutCurrentCell(m_doc);
}

// A block, or a text over a range, lands in cells of its own: an open edit
// is dropped first, as the paste replaces the cell it was on. One text for
// one cell goes through the editor, its TABs and line breaks made spaces.
// Spreadsheets put a block as an HTML table beside the text, and only the
// table tells a line break inside a cell from the end of a row.
void CViewClipboard::OnEditPaste()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return;
    // Quire's own range is its text as copied: it needs no table beside it.
    const auto* range = qobject_cast<const CRangeMimeData*>(data);
    const QByteArray pasted = range ? QByteArray() : data->text().toUtf8();
    const QByteArray html = !range && data->hasHtml() ? data->html().toUtf8() : QByteArray();
    const std::string_view text = range ? std::string_view(range->Utf8Text())
                                        : std::string_view(pasted.constData(), pasted.size());
    if (ClipboardBlock::IsBlock(text) || m_doc.GetGrid().Cursor().HasRange())
        m_editing.CancelCellEdit();
    std::optional<std::string> single;
    {
        const ScopedWaitCursor waiting;
        single = GridCommands::Paste(m_doc, text, std::string_view(html.constData(), html.size()));
    }
    if (single && m_editing.IsEditing())
        m_editing.Editor()->setText(QString::fromStdString(*single));
}
