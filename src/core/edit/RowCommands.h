#pragma once

#include "edit/EditCommand.h"

#include <memory>
#include <string>

// Inserts an empty row at an index, which becomes the selected and current
// row.
class CInsertRowCommand : public CEditCommand
{
public:
    explicit CInsertRowCommand(int row) : m_row(row) {}

    QString Name() const override { return QStringLiteral("Insérer une ligne"); }
    void Apply(CGridListCtrl& grid) override;
    void Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override { return sizeof(*this); }

private:
    int m_row;
};

// Deletes a row; its cells are kept as the grid packs them.
class CDeleteRowCommand : public CEditCommand
{
public:
    CDeleteRowCommand(const CGridListCtrl& grid, int row);

    QString Name() const override { return QStringLiteral("Supprimer la ligne"); }
    void Apply(CGridListCtrl& grid) override;
    void Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override { return sizeof(*this) + m_cells.capacity(); }

private:
    int m_row;
    std::string m_cells;
    bool m_deleted = false; // the grid had the row to delete
};

// Moves a row with all its cells; from and to as the grid's MoveRow counts
// them: up is (s, s - 1), down is (s, s + 2).
class CMoveRowCommand : public CEditCommand
{
public:
    // Null when the move is refused or would leave the row where it is.
    static std::unique_ptr<CMoveRowCommand> Create(const CGridListCtrl& grid, int from, int to);

    QString Name() const override { return QStringLiteral("Déplacer la ligne"); }
    void Apply(CGridListCtrl& grid) override;
    void Revert(CGridListCtrl& grid) override;
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
