#pragma once

#include "view/CommandRunner.h"

#include <QObject>

class CGridTableModel;
class CGridTableView;
class CTablewrightDoc;

// The header over the grid's columns. The list owns the columns' widths and
// display order: the header shows them, and what the user does to it (a
// width dragged or fitted, a column dragged elsewhere, a click that sorts)
// goes back to the list as a command. A change the header reports that the
// list already holds is the header showing the list, and sends nothing.
class CColumnHeader : public QObject
{
    Q_OBJECT

public:
    CColumnHeader(CTablewrightDoc& doc, CGridTableView& table, CGridTableModel& model,
                  CommandRunner runCommand, QObject* parent = nullptr);

    // Shows every column's width and the display order of the list.
    void ShowColumns();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowWidths(int first, int last);
    void ShowColumnOrder();
    bool HeaderShowsWidths() const;
    void OnSectionResized();
    void TakeHeaderWidths();
    void OnColumnsMoved();
    // A click on a header sorts by its column, turning the direction round
    // on each further click of the same column.
    void OnColumnClick(int column);

    CTablewrightDoc& m_doc;
    CGridTableView& m_table;
    CommandRunner m_runCommand;
    // The header's widths changed during a drag not yet let go.
    bool m_bWidthsPending = false;
};
