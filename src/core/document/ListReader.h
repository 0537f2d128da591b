#pragma once

#include "grid/PackedRow.h"

#include <string>
#include <string_view>
#include <vector>

class CGridListCtrl;
class CTextSource;
class IProgress;
class IUserPrompt;

// Fills the grid from a list document: a V record with the version that
// wrote it, an H record with the column names, a W record with their widths
// and one R record per row, fields separated by TAB.
class CListReader
{
public:
    CListReader(IUserPrompt& prompt, IProgress& progress) : m_prompt(prompt), m_progress(progress)
    {
    }

    // True when the source holds a list document: it is empty, or its
    // first line (after a byte-order mark) is the V record.
    static bool IsList(CTextSource& source);
    // True when the source's first line is a V record with its version,
    // as a list the program wrote starts: a text file whose first name is
    // "Ville" is not a list. Leaves the source to be rewound.
    static bool StartsWithVersion(CTextSource& source);

    // Reads every record into the grid, which the caller has emptied, and
    // ends the list with one empty row. False when the file could not be
    // read to its end.
    bool Read(CTextSource& source, CGridListCtrl& grid);

private:
    void ReadVersion(std::string_view line);
    void ReadNames(std::string_view line, CGridListCtrl& grid);
    void ReadWidths(std::string_view line, CGridListCtrl& grid);
    // Returns whether the record made a row, and whether that row is empty.
    bool ReadRow(std::string_view line, CGridListCtrl& grid, bool& rowIsEmpty);

    void ShiftCellsUnderLateNames(CGridListCtrl& grid) const;

    IUserPrompt& m_prompt;
    IProgress& m_progress;
    std::string m_scratch;
    RowBuilder m_row;
    // Names records read after rows: how many rows there were, and how many
    // columns went in front of theirs.
    struct LateNames
    {
        int rows;
        int columns;
    };
    std::vector<LateNames> m_lateNames;
};
