#pragma once

#include <QTableView>

class CGridListCtrl;

// The grid on screen: a report-style table with grid lines, full-row single
// selection and movable column headers. It frames the grid's current cell
// as part of its own painting, so the frame survives every repaint.
class CGridTableView : public QTableView
{
    Q_OBJECT

public:
    explicit CGridTableView(const CGridListCtrl& grid, QWidget* parent = nullptr);

    // Scrolls until the cell is in view, rows just appended included.
    void EnsureCellVisible(int row, int column);

    // The cell's rectangle in the viewport; empty for a cell not shown.
    QRect CellRect(int row, int column) const;

Q_SIGNALS:
    // A click with the left button, released over row and column; either is
    // -1 where the pointer was over no row or no column. pointer is in
    // viewport coordinates.
    void gridClicked(int row, int column, QPoint pointer);
    // A double-click with the left button; pointer in viewport coordinates.
    void gridDoubleClicked(int row, int column, QPoint pointer);
    // A right-click on the header section of column (never on the empty
    // area right of the last column).
    void headerRightClicked(int column, const QPoint& globalPos);
    // A context menu asked for over the cells: with the right button over
    // row and column (either -1 where there is none), or from the keyboard
    // over the current cell.
    void gridRightClicked(int row, int column, const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Shows the whole name of a column whose header cuts it off.
    bool ShowHeaderToolTip(const QHelpEvent& help);

private:
    const CGridListCtrl& m_grid;
};
