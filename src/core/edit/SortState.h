#pragma once

// A click on a column's header sorts the rows by that column: ascending on
// the first click, and each further click on the same column turns the
// direction round. The document keeps one state for the life of the
// window: neither New nor Open resets it, and no change of the columns
// moves it.
struct SortState
{
    int column = -1;
    bool ascending = true;
    // Takes a click on column's header; returns the direction to sort in.
    bool Click(int clicked);
};
