#pragma once

#include "edit/EditCommand.h"
#include "edit/SortKeys.h"
#include "resources/StringTable.h"

#include <memory>
#include <vector>

// Sorts the rows by one column, or by several keys, keeping only the order
// it gave them: undo
// puts every row back where it stood. The cursor keeps its indexes, as
// after a header click. The empty rows kept at the end for typing, at the
// end of the list and under a filter at the end of the rows shown, stay
// where they are.
class CSortRowsCommand : public CEditCommand
{
public:
    // Null when the sort would leave every row where it is, or cannot be
    // made (fewer than two rows, no such column).
    static std::unique_ptr<CSortRowsCommand> Create(const CGridListCtrl& grid, int column,
                                                    bool ascending);
    // The same by keys, the first deciding first (see SortOrderByKeys).
    static std::unique_ptr<CSortRowsCommand> Create(const CGridListCtrl& grid,
                                                    const std::vector<SortKey>& keys);

    QString Name() const override { return QString::fromUtf8(Strings::kSortRows); }
    bool Apply(CGridListCtrl& grid) override;
    bool Revert(CGridListCtrl& grid) override;
    std::size_t Cost() const override;

private:
    struct Key
    {
    };
    // Null when order leaves every row where it is.
    static std::unique_ptr<CSortRowsCommand> FromOrder(std::vector<int> order);

public:
    CSortRowsCommand(Key, std::vector<int> order) : m_order(std::move(order)) {}

private:
    std::vector<int> m_order; // row k of the sorted list was row m_order[k]
};
