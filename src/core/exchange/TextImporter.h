#pragma once

class CGridListCtrl;
class CTextSource;
class IProgress;

// Fills an empty grid from tab-separated text: the first non-blank line
// names the columns, every later non-blank line is a row, and a row with
// more fields adds columns named "Column 3" and so on. Trailing white space
// of a line and leading blanks of a field are dropped.
class CTextImporter
{
public:
    explicit CTextImporter(IProgress& progress) : m_progress(progress) {}
    // False when the file could not be read to its end.
    bool Read(CTextSource& source, CGridListCtrl& grid);

private:
    IProgress& m_progress;
};
