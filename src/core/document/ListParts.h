#pragma once

#include "grid/PackedRow.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A stretch of a list document's lines parsed on its own, so that a big list
// is read by several threads at once: its rows as they stand in the file,
// and its other records with their places among the rows. Joining the parts
// in order (see CListReader) gives the list one reader would have read.
struct ListPart
{
    // A version, names or widths record, after rowsBefore rows of the part.
    struct Record
    {
        std::size_t rowsBefore;
        std::string line;
    };
    PackedRows rows;
    std::vector<Record> records;
    // The most cells a row holds in each run of rows: the first run starts
    // the part, each names record starts another. A row holds every field
    // of its record here; the columns it may fill are known only once the
    // parts before are joined.
    std::vector<int> mostCells{0};
};

// Adds to part the lines of text, each ended by LF or CR LF, except maybe
// the last, which ends with text. afterLine, when given, hears after each
// line how many bytes of text are done.
void ParseListLines(std::string_view text, ListPart& part,
                    const std::function<void(std::size_t)>& afterLine = {});
// Adds one line, given without its end.
void ParseListLine(std::string_view line, ListPart& part);
