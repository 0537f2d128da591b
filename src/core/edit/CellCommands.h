#pragma once

#include "edit/EditCommand.h"

#include <string>
#include <string_view>

// Writes one cell's text. An edit that runs past the end of the list (a
// double-click below the last row, Tab past the last cell) first appends
// empty rows; the command carries them, so that undo takes them away again
// and redo puts them back.
class CSetCellCommand : public CEditCommand
{
public:
    enum class Kind
    {
        Modify, // "Modifier la cellule"
        Clear,  // "Effacer la cellule": the Delete key, text ""
        Cut,    // "Couper la cellule": text ""
        Paste   // "Coller dans la cellule"
    };

    // grid is the list as it is now, appendedRows empty rows already
    // appended at its end for this edit.
    CSetCellCommand(const CGridListCtrl& grid, int row, int column, std::string_view text,
                    int appendedRows = 0, Kind kind = Kind::Modify);
    static std::unique_ptr<CSetCellCommand> Clear(const CGridListCtrl& grid, int row, int column);

    // True when applying it would leave the list as it is.
    bool ChangesNothing() const { return m_appendedRows == 0 && m_oldText == m_newText; }

    QString Name() const override;
    void Apply(CGridListCtrl& grid) override;
    void Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override;

private:
    int m_row;
    int m_column;
    int m_appendedRows;
    int m_rowsBefore; // the row count before the rows were appended
    Kind m_kind;
    std::string m_oldText;
    std::string m_newText;
};
