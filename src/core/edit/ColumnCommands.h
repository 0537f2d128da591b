#pragma once

#include "edit/EditCommand.h"
#include "grid/GridTypes.h"
#include "resources/StringTable.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Gives a column another name.
class CRenameColumnCommand : public CEditCommand
{
public:
    CRenameColumnCommand(const CGridListCtrl& grid, int column, std::string_view name);

    QString Name() const override { return QString::fromUtf8(Strings::kRenameColumn); }
    bool Apply(CGridListCtrl& grid) override;
    bool Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override;

private:
    int m_column;
    std::string m_oldName;
    std::string m_newName;
};

// Inserts an empty column at an index; the cells of that column and the
// later ones move one column to the right.
class CInsertColumnCommand : public CEditCommand
{
public:
    explicit CInsertColumnCommand(int column, std::string name = Strings::kNewColumnName,
                                  int width = kDefaultColumnWidth);

    QString Name() const override { return QString::fromUtf8(Strings::kInsertColumn); }
    bool Apply(CGridListCtrl& grid) override;
    bool Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override { return sizeof(*this) + m_header.name.capacity(); }

private:
    int m_column;
    GridColumn m_header;
};

// Deletes a column with its cells, keeping only that column: its name,
// width and cells.
class CDeleteColumnCommand : public CEditCommand
{
public:
    explicit CDeleteColumnCommand(int column) : m_column(column) {}

    QString Name() const override { return QString::fromUtf8(Strings::kDeleteColumn); }
    bool Apply(CGridListCtrl& grid) override;
    bool Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override;

private:
    int m_column;
    GridColumn m_header;
    std::string m_cells; // held only while the column is out of the grid
    std::size_t m_cellBytes = 0;
    bool m_taken = false; // the grid had the column to take
};

// Gives columns other widths, as a drag of a header's edge or a
// double-click on it does.
class CResizeColumnsCommand : public CEditCommand
{
public:
    struct Width
    {
        int column;
        int oldWidth;
        int newWidth;
    };
    explicit CResizeColumnsCommand(std::vector<Width> widths) : m_widths(std::move(widths)) {}

    QString Name() const override { return QString::fromUtf8(Strings::kResizeColumn); }
    bool Apply(CGridListCtrl& grid) override { return SetWidths(grid, &Width::newWidth); }
    bool Revert(CGridListCtrl& grid) override { return SetWidths(grid, &Width::oldWidth); }
    std::size_t Cost() const override
    {
        return sizeof(*this) + m_widths.capacity() * sizeof(Width);
    }

private:
    bool SetWidths(CGridListCtrl& grid, int Width::*width) const;

    std::vector<Width> m_widths;
};

// Puts the columns, cells included, in a new order: order[k] is the column
// that comes to stand at position k.
class CReorderColumnsCommand : public CEditCommand
{
public:
    // Null when order is not a permutation of the grid's columns or would
    // leave them as they are.
    static std::unique_ptr<CReorderColumnsCommand> Create(const CGridListCtrl& grid,
                                                          std::vector<int> order);

    QString Name() const override { return QString::fromUtf8(Strings::kMoveColumns); }
    bool Apply(CGridListCtrl& grid) override;
    bool Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override;

private:
    struct Key
    {
    };

public:
    CReorderColumnsCommand(Key, std::vector<int> order) : m_order(std::move(order)) {}

private:
    std::vector<int> m_order;
};
