#pragma once

#include "grid/GridListener.h"

#include <QAbstractTableModel>

class CGridListCtrl;
class CTablewrightDoc;

// Shows a CGridListCtrl to Qt's item views: it translates rows, columns and
// the grid's change reports, and holds nothing of its own. Its rows are the
// rows the grid shows: under a filter, row k is the k-th row shown, and the
// row numbers are the list's own. A change in the rows' number or order
// under a filter is told as a new table.
class CGridTableModel : public QAbstractTableModel, private IGridListener
{
    Q_OBJECT

public:
    // A model that only shows the grid.
    explicit CGridTableModel(CGridListCtrl& grid, QObject* parent = nullptr);
    // A model whose current cell takes edits: setData stores the text as a
    // step of the document.
    explicit CGridTableModel(CTablewrightDoc& doc, QObject* parent = nullptr);
    ~CGridTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The list row that the table's row shows; -1 for none. The one place
    // where a row of the table becomes a row of the list.
    int ListRow(int tableRow) const;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

Q_SIGNALS:
    // Names or widths of columns first..last changed.
    void columnHeadersChanged(int first, int last);
    void columnOrderChanged();
    void cursorChanged();
    void ensureVisibleRequested(int row, bool partialOk);

private:
    void AboutToReset() override;
    void Reset() override;
    void RowsAboutToBeInserted(int first, int last) override;
    void RowsInserted() override;
    void RowsAboutToBeRemoved(int first, int last) override;
    void RowsRemoved() override;
    void ColumnsAboutToBeInserted(int first, int last) override;
    void ColumnsInserted() override;
    void ColumnsAboutToBeRemoved(int first, int last) override;
    void ColumnsRemoved() override;
    void RowsAboutToBeMoved(int from, int to) override;
    void RowsMoved() override;
    void ColumnsAboutToBeReordered() override;
    void ColumnsReordered(const std::vector<int>& order) override;
    void CellChanged(int row, int column) override;
    void RowsChanged(int first, int last) override;
    void HeaderChanged(int first, int last) override;
    void ColumnOrderChanged() override;
    void CursorChanged() override;
    void EnsureVisibleRequested(int row, bool partialOk) override;

    CGridListCtrl& m_grid;
    CTablewrightDoc* m_pDoc = nullptr;
    // While a batch changes the grid, the views keep seeing the shape they
    // had before it, until the reset at its end.
    bool m_bResetting = false;
    int m_nFrozenRows = 0;
    int m_nFrozenColumns = 0;
    // A change of rows under a filter, told as a reset once it is done.
    bool m_bRowsReset = false;
    void BeginRowsChange();
    bool EndRowsChange();
};
