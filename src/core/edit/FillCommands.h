#pragma once

class CTablewrightDoc;

// Copying the cells at one edge of the cursor's range over the rest of it,
// as spreadsheets do with Ctrl+D and Ctrl+R. Each fill is one step, keeping
// only the rows it changes; a fill that changes no text makes no step.
namespace GridCommands {

// Down: the range's top row into its other rows; under a filter the
// range's rows are those shown. Right: the range's left column into its
// other columns. A range one row high (for Down) or one column wide (for
// Right), a single cell included, takes its cells from the row shown just
// above or from the column to the left; at the list's edge, or with no
// current cell, nothing happens.
enum class FillDirection
{
    Down,
    Right
};
void FillFromEdge(CTablewrightDoc& doc, FillDirection direction);

} // namespace GridCommands
