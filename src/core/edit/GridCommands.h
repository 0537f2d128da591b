#pragma once

#include <QString>

#include <vector>

class CGridListCtrl;
class CTablewrightDoc;

// What the view's commands do to the list, away from any widget.
namespace GridCommands {

// A list that did not come from a file starts with four empty columns "A"
// to "D"; either way no cell is current yet.
void PrepareForDocument(CGridListCtrl& grid, bool loaded);

// Forgets the current cell when the grid no longer has it, as after a list
// was read into it. True when it did.
bool ForgetVanishedCurrentCell(CGridListCtrl& grid);

// The status bar's words for the current cell, counted from 1:
// "Ligne 3, Colonne 2"; empty when no cell is current.
QString CurrentCellText(const CGridListCtrl& grid);

// A dropped header drag: the order the header shows becomes the columns'
// own, cells included, and the list is changed.
void ReorderColumns(CGridListCtrl& grid, const std::vector<int>& shownOrder, CTablewrightDoc& doc);

} // namespace GridCommands
