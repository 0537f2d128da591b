#pragma once

#include <QStyledItemDelegate>

class CCellEditor;
class CGridListCtrl;
class CGridTableView;

// Paints the cells as the grid's cursor says, and edits them in place. The
// grid's current cell has a frame of its own; the table's keyboard focus
// mark would show a second, different "current" cell.
//
// Every edit uses the one CCellEditor made here: the table opens it over a
// cell (createEditor, setEditorData), the model stores what it holds
// (setModelData, the model issuing the command), and closing it hides it.
// When an edit opens, is stored or is dropped is CCellEditing's to decide,
// through Commit and Close; the delegate's own key and focus handling is
// not used.
class CCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    CCellDelegate(const CGridListCtrl& grid, const CGridTableView& table);

    CCellEditor* Editor() const { return m_pEditor; }
    // Stores the editor's text through the model, then closes it.
    void Commit();
    void Close();

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsSelected(const QModelIndex& index) const;

    const CGridListCtrl& m_grid;
    const CGridTableView& m_table;
    CCellEditor* m_pEditor = nullptr;
};
