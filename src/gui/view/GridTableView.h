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

    // The cell's rectangle in the viewport; empty for a cell not shown.
    QRect CellRect(int row, int column) const;

Q_SIGNALS:
    // A click with the left button, released over row and column; either is
    // -1 where the pointer was over no row or no column.
    void gridClicked(int row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const CGridListCtrl& m_grid;
};
