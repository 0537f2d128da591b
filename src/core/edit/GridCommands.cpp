#include "edit/GridCommands.h"

#include "document/TablewrightDoc.h"
#include "grid/GridListCtrl.h"
#include "resources/StringTable.h"

namespace GridCommands {

void PrepareForDocument(CGridListCtrl& grid, bool loaded)
{
    if (!loaded) {
        constexpr const char* kDefaultColumns[] = {"A", "B", "C", "D"};
        for (int i = 0; i < 4; ++i)
            grid.InsertColumn(i, kDefaultColumns[i], kDefaultColumnWidth);
    }
    grid.m_nCurRow = -1;
    grid.m_nCurCol = -1;
}

bool ForgetVanishedCurrentCell(CGridListCtrl& grid)
{
    if (grid.m_nCurRow < grid.GetItemCount() && grid.m_nCurCol < grid.GetColumnCount())
        return false;
    grid.m_nCurRow = -1;
    grid.m_nCurCol = -1;
    return true;
}

QString CurrentCellText(const CGridListCtrl& grid)
{
    if (grid.m_nCurRow == -1 || grid.m_nCurCol == -1)
        return {};
    return QStringLiteral("%1 %2, %3 %4")
        .arg(QString::fromUtf8(Strings::kRow))
        .arg(grid.m_nCurRow + 1)
        .arg(QString::fromUtf8(Strings::kColumn))
        .arg(grid.m_nCurCol + 1);
}

void ReorderColumns(CGridListCtrl& grid, const std::vector<int>& shownOrder, CTablewrightDoc& doc)
{
    grid.SetColumnOrderArray(shownOrder);
    grid.ApplyColumnOrder();
    doc.SetModifiedFlag(true);
}

} // namespace GridCommands
