#pragma once

#include "edit/EditCommand.h"
#include "resources/StringTable.h"

#include <string>
#include <string_view>

// Writes one cell's text.
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

    CSetCellCommand(const CGridListCtrl& grid, int row, int column, std::string_view text,
                    Kind kind = Kind::Modify);
    static std::unique_ptr<CSetCellCommand> Clear(const CGridListCtrl& grid, int row, int column);

    // True when applying it would leave the list as it is.
    bool ChangesNothing() const { return m_oldText == m_newText; }

    QString Name() const override;
    bool Apply(CGridListCtrl& grid) override;
    bool Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override;

private:
    bool Write(CGridListCtrl& grid, const std::string& text) const;

    int m_row;
    int m_column;
    Kind m_kind;
    std::string m_oldText;
    std::string m_newText;
};

// Empty rows appended at the end of the list for an edit below it (a
// double-click under the last row, Tab past its end, typing on a list
// without rows). The rows are appended while the editor is open, before
// the edit is a step; the edit's step takes them in when its text is
// stored, so that undo takes them away again and redo puts them back.
class CAppendRowsCommand : public CEditCommand
{
public:
    enum class Rows
    {
        ToAppend,
        AppendedAlready // the grid holds them: the first Apply checks they are there
    };
    CAppendRowsCommand(int rowsBefore, int count, Rows rows = Rows::ToAppend)
        : m_rowsBefore(rowsBefore), m_count(count), m_inGrid(rows == Rows::AppendedAlready)
    {
    }

    QString Name() const override { return QString::fromUtf8(Strings::kAppendRows); }
    bool Apply(CGridListCtrl& grid) override;
    bool Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override { return sizeof(*this); }

private:
    int m_rowsBefore;
    int m_count;
    bool m_inGrid;
};
