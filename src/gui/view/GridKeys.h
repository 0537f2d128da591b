#pragma once

#include <QObject>

class CCellEditing;
class CGridTableView;
class CTablewrightDoc;
class QKeyEvent;

// The keys that reach the grid while no edit is open: the arrows, Home,
// End and the page keys move the cursor (Shift stretches the range), Ctrl+A
// takes every cell, Delete empties the range, F2 opens the current cell's
// editor, and any text typed, accented or composed, starts an edit with
// itself.
class CGridKeys : public QObject
{
    Q_OBJECT

public:
    CGridKeys(CTablewrightDoc& doc, CGridTableView& table, CCellEditing& editing,
              QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool OnKey(const QKeyEvent& key);
    bool OnCommandKey(const QKeyEvent& key);
    bool OnMoveKey(const QKeyEvent& key);
    // The rows a page key moves over: those the grid shows whole, less one.
    int PageRows() const;

    CTablewrightDoc& m_doc;
    CGridTableView& m_table;
    CCellEditing& m_editing;
};
