#pragma once

#include "document/ListParts.h"

#include <QtGlobal>

#include <string>
#include <string_view>
#include <vector>

class CGridListCtrl;
class CTextSource;
class IProgress;
class ProgressReporter;
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
    //
    // A UTF-8 file is read from disk as it stands, in up to one part per
    // core, each parsed on its own thread into its own row blocks and
    // checked as UTF-8 on the way; a part that is not UTF-8 starts the
    // reading again as Windows-1252, in one part. Either way the list is
    // the same.
    bool Read(CTextSource& source, CGridListCtrl& grid);
    // The most parts a file is read in: 0 (the default) for as many as the
    // machine has cores, one for a small file; otherwise that many
    // whatever the file's size, which tests use to read small files in
    // parts.
    void SetPartCount(int count) { m_partCount = count; }
    // The parts a file of size bytes is read in, for a part count as above.
    static int PartsFor(qint64 size, int partCount);

private:
    enum class PartsRead
    {
        Whole,
        NotUtf8,
        Failed
    };
    PartsRead ReadParts(CTextSource& source, std::vector<ListPart>& parts,
                        ProgressReporter& progress);
    bool ReadLines(CTextSource& source, ListPart& part, ProgressReporter& progress);
    void Join(std::vector<ListPart>& parts, CGridListCtrl& grid);

    void ReadVersion(std::string_view line);
    void ReadNames(std::string_view line, std::size_t rowsBefore, CGridListCtrl& grid);
    void ReadWidths(std::string_view line, CGridListCtrl& grid);

    void ShiftCellsUnderLateNames(CGridListCtrl& grid) const;

    IUserPrompt& m_prompt;
    IProgress& m_progress;
    int m_partCount = 0;
    std::string m_scratch;
    // Names records read after rows: how many rows there were, and how many
    // columns went in front of theirs.
    struct LateNames
    {
        int rows;
        int columns;
    };
    std::vector<LateNames> m_lateNames;
};
