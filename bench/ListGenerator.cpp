#include "ListGenerator.h"

#include "BenchFiles.h"
#include "ScriptedHost.h"
#include "exchange/TextExporter.h"
#include "grid/GridListCtrl.h"
#include "grid/GridTypes.h"

#include <QDir>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ListGenerator {

namespace {

// SplitMix64: tiny, fast and defined bit for bit, so every machine
// generates the very same lists.
class Random
{
public:
    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::size_t Below(std::size_t bound) { return static_cast<std::size_t>(Next() % bound); }

private:
    std::uint64_t m_state = 0x5175697265ull;
};

constexpr std::string_view kAlphanumerics =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::array<std::string_view, 5> kAccented = {"é", "è", "à", "ç", "ô"};
constexpr std::array<std::string_view, kColumns> kColumnNames = {
    "Nom",       "Prénom",   "Société",   "Rue",  "Ville",
    "Téléphone", "Courriel", "Catégorie", "Note", "Référence"};

char Alphanumeric(Random& random)
{
    return kAlphanumerics[random.Below(kAlphanumerics.size())];
}

// One piece of a cell's inside, in thousandths: 1% accented letters, 0.2%
// quotes, 0.8% commas, 8% blanks, the rest letters and digits.
void AppendInnerPiece(std::string& out, Random& random)
{
    const std::size_t draw = random.Below(1000);
    if (draw < 10)
        out.append(kAccented[random.Below(kAccented.size())]);
    else if (draw < 12)
        out.push_back('"');
    else if (draw < 20)
        out.push_back(',');
    else if (draw < 100)
        out.push_back(' ');
    else
        out.push_back(Alphanumeric(random));
}

// 8 to 16 bytes, one more when an accented letter comes last inside. The
// ends are letters or digits: the text import trims blanks, and every file
// must read back as the list it came from.
void MakeCell(std::string& cell, Random& random)
{
    const std::size_t length = 8 + random.Below(9);
    cell.assign(1, Alphanumeric(random));
    while (cell.size() + 1 < length)
        AppendInnerPiece(cell, random);
    cell.push_back(Alphanumeric(random));
}

} // namespace

// The grid takes the whole table in one call, the way it takes back a
// captured table, without a per-cell update for each of millions of cells.
void Fill(CGridListCtrl& grid, int rows)
{
    std::vector<GridColumn> columns;
    for (const std::string_view name : kColumnNames)
        columns.push_back({std::string(name), kDefaultColumnWidth});
    std::vector<GridRow> table(rows, GridRow(kColumns));
    Random random;
    for (GridRow& row : table) {
        for (std::string& cell : row)
            MakeCell(cell, random);
    }
    grid.RebuildTable(columns, table);
}

std::string ClipboardText(int rows)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(rows) * kColumns * 13);
    std::string cell;
    Random random;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            MakeCell(cell, random);
            text.append(cell);
            text.push_back(column + 1 < kColumns ? '\t' : '\n');
        }
    }
    return text;
}

void WriteFiles(const BenchFiles& files)
{
    Require(QDir().mkpath(files.dir), "cannot create " + files.dir.toStdString());
    BenchDocument list;
    Fill(list.Grid(), files.rows);
    Require(list.doc.OnSaveDocument(files.Input("tbw")), "cannot write the list document");
    CTextExporter exporter(list.host);
    QString error;
    Require(exporter.WriteCsv(list.Grid(), files.Input("csv"), true, error),
            "cannot write the CSV file: " + error.toStdString());
    Require(exporter.WriteText(list.Grid(), files.Input("txt"), error),
            "cannot write the text file: " + error.toStdString());
}

} // namespace ListGenerator
