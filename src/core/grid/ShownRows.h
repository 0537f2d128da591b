#pragma once

#include <vector>

class CGridListCtrl;

// The rows a filter leaves shown, in list order: row k of a display is list
// row ListRow(k). Without a filter every row is shown and nothing is held.
// The grid keeps the rows up to date as rows come, go and move: a row that
// comes in is shown, and a row stays shown or hidden wherever it moves, so
// that edits, sorts and their undoing leave the filter as it was. Only a
// new filter chooses the rows again.
class CShownRows
{
public:
    explicit CShownRows(const CGridListCtrl& grid) : m_grid(grid) {}
    CShownRows(const CShownRows&) = delete;
    CShownRows& operator=(const CShownRows&) = delete;

    bool IsFiltering() const { return m_bFiltering; }
    int Count() const;
    // The list row shown at index shown; -1 beyond the rows shown.
    int ListRow(int shown) const;
    // Where a list row is shown; -1 when it is hidden or not in the list.
    int ShownIndex(int row) const;
    bool IsShown(int row) const { return ShownIndex(row) >= 0; }
    // The index of the first row shown at or after list row row; Count()
    // when none is.
    int FirstShownFrom(int row) const;
    // The first row shown at or after list row row, else the last row
    // shown: where the user goes when row is hidden or gone. -1 when no row
    // is shown.
    int NearestShown(int row) const;
    // The rows shown among first..last, in order.
    std::vector<int> RowsIn(int first, int last) const;

    // Called by the grid, before or after it changes its rows as named.
    void Show(std::vector<int> rows);
    void ShowAll();
    void Inserted(int first, int count);
    void Removed(int first, int count);
    void Moved(int from, int landing);
    // The rows listed, in increasing order, left the list; or came in, at
    // the places listed.
    void RemovedSet(const std::vector<int>& rows);
    void InsertedSet(const std::vector<int>& rows);
    // Row k now holds what row order[k] held.
    void Permuted(const std::vector<int>& order);

private:
    const CGridListCtrl& m_grid;
    bool m_bFiltering = false;
    std::vector<int> m_rows;
};
