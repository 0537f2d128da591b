#include "document/ListReader.h"

#include "document/GetToken.h"
#include "document/ListFields.h"
#include "document/Version.h"
#include "grid/GridListCtrl.h"
#include "io/TextSource.h"
#include "platform/Progress.h"
#include "platform/UserPrompt.h"
#include "resources/StringTable.h"

#include <iterator>

bool CListReader::IsList(CTextSource& source)
{
    char first = 0;
    return !source.PeekFirstByte(first) || first == 'V';
}

bool CListReader::StartsWithVersion(CTextSource& source)
{
    std::string_view line;
    return source.ReadLine(line) && line.size() > 2 && line.starts_with("V\t") && line[2] >= '0' &&
           line[2] <= '9';
}

bool CListReader::Read(CTextSource& source, CGridListCtrl& grid)
{
    ProgressReporter progress(m_progress);
    const ScopedRedrawSuspension suspended(grid);
    m_lateNames.clear();
    bool lastRowEmpty = true;
    bool anyRow = false;
    std::string_view line;
    while (source.ReadLine(line)) {
        if (line.empty())
            continue;
        switch (line.front()) {
        case 'V':
            ReadVersion(line);
            break;
        case 'H':
            ReadNames(line, grid);
            break;
        case 'W':
            ReadWidths(line, grid);
            break;
        case 'R':
            if (ReadRow(line, grid, lastRowEmpty))
                anyRow = true;
            progress.Update(source.Position(), source.Size());
            break;
        default:
            break;
        }
    }
    ShiftCellsUnderLateNames(grid);
    // One empty row ends every list, but only one: a list saved and opened
    // again and again must not grow.
    if (!anyRow || !lastRowEmpty)
        grid.InsertItem(grid.GetItemCount(), {});
    return !source.HadError();
}

void CListReader::ReadVersion(std::string_view line)
{
    const auto version = static_cast<float>(ListFields::DecodeBareNumber(GetToken(line, 1, "\t")));
    if (version > kProgramVersion)
        m_prompt.MessageBox(QString::fromUtf8(Strings::kNewerVersionWarning),
                            IUserPrompt::Buttons::Ok, IUserPrompt::Icon::None);
}

void CListReader::ReadNames(std::string_view line, CGridListCtrl& grid)
{
    CTokenSplitter fields(line, '\t');
    std::string_view field;
    fields.Next(field);
    // Field k goes to column k-1, before the columns already there. The
    // cells of the rows read so far move right under their columns once, at
    // the end: moving them at each record would make a list of many records
    // of names cost the square of its length.
    std::vector<std::string> names;
    while (fields.Next(field))
        names.emplace_back(ListFields::DecodeText(field, m_scratch));
    if (names.empty())
        return;
    const int rows = grid.GetItemCount();
    if (rows > 0)
        m_lateNames.push_back({rows, static_cast<int>(names.size())});
    grid.InsertColumns(0, names, kDefaultColumnWidth, CGridListCtrl::CellMove::Later);
}

// Rows read before a names record get its columns in front of their cells,
// and those of every later names record: each row moves once, by the sum.
void CListReader::ShiftCellsUnderLateNames(CGridListCtrl& grid) const
{
    int shift = 0;
    for (auto late = m_lateNames.rbegin(); late != m_lateNames.rend(); ++late) {
        shift += late->columns;
        const int first = std::next(late) == m_lateNames.rend() ? 0 : std::next(late)->rows;
        grid.ShiftCellsRight(first, late->rows - 1, shift);
    }
}

void CListReader::ReadWidths(std::string_view line, CGridListCtrl& grid)
{
    CTokenSplitter fields(line, '\t');
    std::string_view field;
    fields.Next(field);
    for (int column = 0; fields.Next(field); ++column)
        grid.SetColumnWidth(column, static_cast<int>(ListFields::DecodeNumber(field) & 0xFFFF));
}

bool CListReader::ReadRow(std::string_view line, CGridListCtrl& grid, bool& rowIsEmpty)
{
    // Row records are most of a list's bytes. A line without a lone CR has
    // fields that need no cleaning, and the decoder copies only fields that
    // hold an escaped quote.
    const bool clean = line.find('\r') == std::string_view::npos;
    CTokenSplitter fields(line, '\t');
    std::string_view field;
    fields.Next(field);
    RowBuilder& row = m_row;
    const int columns = grid.GetColumnCount();
    bool anyField = false;
    while (row.CellCount() < columns && fields.Next(field)) {
        anyField = true;
        const std::string_view text = ListFields::DecodeText(field, m_scratch);
        if (clean)
            row.AddCleanCell(text);
        else
            row.AddCell(text);
    }
    if (!anyField && !fields.Next(field))
        return false;
    rowIsEmpty = grid.JoinedRowView(grid.AppendRow(row)).empty();
    return true;
}
