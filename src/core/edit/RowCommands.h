#pragma once

#include "edit/EditCommand.h"
#include "grid/PackedRow.h"
#include "resources/StringTable.h"

#include <memory>
#include <vector>

// Inserts count empty rows at an index (at the end from an index beyond
// it); the first of them becomes the current row.
class CInsertRowCommand : public CEditCommand
{
public:
    explicit CInsertRowCommand(int row, int count = 1) : m_row(row), m_count(count) {}

    QString Name() const override;
    bool Apply(CGridListCtrl& grid) override;
    bool Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override { return sizeof(*this); }

private:
    int m_row;
    int m_count;
};

// Deletes count rows from row on; their cells are kept as the grid packs
// them, and only while they are out of the list.
class CDeleteRowCommand : public CEditCommand
{
public:
    CDeleteRowCommand(const CGridListCtrl& grid, int row, int count = 1);

    QString Name() const override;
    bool Apply(CGridListCtrl& grid) override;
    bool Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override;

private:
    int m_row;
    int m_count;
    std::size_t m_bytes = 0;
    PackedRows m_rows; // held while the rows are out of the grid
};

// Deletes rows that need not lie together, as a range touches them under a
// filter: they leave in one pass and come back to their places.
class CDeleteRowSetCommand : public CEditCommand
{
public:
    // rows: increasing, each once. name: the step's, when the rows go for
    // some other reason than the user's asking.
    CDeleteRowSetCommand(const CGridListCtrl& grid, std::vector<int> rows,
                         const char* name = Strings::kDeleteRows);

    QString Name() const override { return QString::fromUtf8(m_name); }
    bool Apply(CGridListCtrl& grid) override;
    bool Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override;

private:
    std::vector<int> m_rows;
    const char* m_name;
    std::size_t m_bytes = 0;
    PackedRows m_packed; // held while the rows are out of the grid
};

// Moves a row with all its cells; from and to as the grid's MoveRow counts
// them: up is (s, s - 1), down is (s, s + 2). The current cell goes with
// the row, keeping its column, so that a row can be moved on step by step.
class CMoveRowCommand : public CEditCommand
{
public:
    // Null when the move is refused or would leave the row where it is.
    static std::unique_ptr<CMoveRowCommand> Create(const CGridListCtrl& grid, int from, int to);

    QString Name() const override { return QString::fromUtf8(Strings::kMoveRow); }
    bool Apply(CGridListCtrl& grid) override;
    bool Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override { return sizeof(*this); }

private:
    struct Key
    {
    };

public:
    CMoveRowCommand(Key, int from, int to) : m_from(from), m_to(to) {}

private:
    // The row's index once it has moved.
    int Landing() const { return m_from > m_to ? m_to : m_to - 1; }

    int m_from;
    int m_to;
};
