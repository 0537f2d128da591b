#pragma once

#include <QTableView>

class CCellDelegate;
class CGridListCtrl;

// The grid on screen: a report-style table with grid lines and movable
// column headers. It draws the cursor the grid holds: the selected row, or
// the range when it spans several cells, highlighted, and the current cell
// framed as part of its own painting, so the frame survives every repaint.
// The table keeps no selection of its own; clicks and drags are reported.
// Rows are the list's everywhere outside this class: it shows only the rows
// the grid shows, and turns its own row numbers into the list's and back.
class CGridTableView : public QTableView
{
    Q_OBJECT

public:
    explicit CGridTableView(const CGridListCtrl& grid, QWidget* parent = nullptr);

    // Paints the cells and edits them in place.
    CCellDelegate& Delegate() const { return *m_pDelegate; }
    // Opens the delegate's editor over a list row's cell; false for a cell
    // not shown.
    bool OpenEditor(int row, int column);
    // Scrolls until the cell is in view, rows just appended included.
    void EnsureCellVisible(int row, int column);
    // The text of the cells, the row numbers and the column names, and the
    // cell editor's; the rows take the height that shows it whole.
    void SetTextFont(const QFont& font);

    // The cell's rectangle in the viewport; empty for a cell not shown.
    QRect CellRect(int row, int column) const;
    // The model's index of a list row's cell; invalid for a row not shown.
    QModelIndex CellIndex(int row, int column) const;
    // The list row at a height of the viewport; -1 where no row is.
    int ListRowAt(int y) const;
    // The list row the table's row shows, as the model says; -1 for none.
    int ListRow(int tableRow) const;

Q_SIGNALS:
    // The left button pressed over a cell; extend when Shift was held.
    void gridPressed(int row, int column, bool extend);
    // The pointer, button held since a press on a cell, moved onto a cell.
    void gridDragged(int row, int column);
    // A click with the left button, released over row and column; either is
    // -1 where the pointer was over no row or no column. pointer is in
    // viewport coordinates.
    void gridClicked(int row, int column, QPoint pointer);
    // The left button pressed on a row's number; extend when Shift was held.
    void rowHeaderPressed(int row, bool extend);
    // A double-click with the left button; pointer in viewport coordinates.
    void gridDoubleClicked(int row, int column, QPoint pointer);
    // A right-click on the header section of column (never on the empty
    // area right of the last column), or column -1 anywhere on the header of
    // a list without columns.
    void headerRightClicked(int column, const QPoint& globalPos);
    // A context menu asked for over the cells: with the right button over
    // row and column (either -1 where there is none), or from the keyboard
    // over the current cell.
    void gridRightClicked(int row, int column, const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Shows the whole name of a column whose header cuts it off.
    bool ShowHeaderToolTip(const QHelpEvent& help);

private:
    bool OnRowHeaderPress(const QMouseEvent& press);

    const CGridListCtrl& m_grid;
    CCellDelegate* m_pDelegate = nullptr;
    // The cell a drag last reached; row -1 while no drag is under way.
    int m_dragRow = -1;
    int m_dragColumn = -1;
};
