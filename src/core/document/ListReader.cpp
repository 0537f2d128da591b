#include "document/ListReader.h"

#include "document/GetToken.h"
#include "document/ListFields.h"
#include "document/Version.h"
#include "grid/GridListCtrl.h"
#include "io/TextSource.h"
#include "platform/Progress.h"
#include "platform/UserPrompt.h"
#include "resources/StringTable.h"


bool CListReader::Read(CTextSource& source, CGridListCtrl& grid)
{
    ProgressReporter progress(m_progress);
    grid.SetRedraw(false);
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
    // One empty row ends every list, but only one: a list saved and opened
    // again and again must not grow.
    if (!anyRow || !lastRowEmpty)
        grid.InsertItem(grid.GetItemCount(), {});
    grid.SetRedraw(true);
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
    for (int column = 0; fields.Next(field); ++column)
        grid.InsertColumn(column, ListFields::DecodeText(field, m_scratch));
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
    // One pass over the line: a row record is most of a list's bytes.
    const char* p = line.data();
    const char* const end = p + line.size();
    while (p < end && *p != '\t')
        ++p;
    RowBuilder row;
    const int columns = grid.GetColumnCount();
    bool anyField = false;
    while (row.CellCount() < columns || !anyField) {
        while (p < end && *p == '\t')
            ++p;
        if (p == end)
            break;
        const char* const start = p;
        bool special = false;
        while (p < end && *p != '\t') {
            special |= *p == '\\' || *p == '\r';
            ++p;
        }
        anyField = true;
        if (row.CellCount() == columns)
            break;
        const std::string_view field(start, p - start);
        if (special)
            row.AddCell(ListFields::DecodeText(field, m_scratch));
        else
            row.AddCleanCell(field.substr(1, field.size() < 2 ? 0 : field.size() - 2));
    }
    if (!anyField)
        return false;
    rowIsEmpty = grid.JoinedRowView(grid.AppendRow(row)).empty();
    return true;
}
