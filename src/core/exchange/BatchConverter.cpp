#include "exchange/BatchConverter.h"

#include "document/TablewrightDoc.h"
#include "edit/SortRows.h"
#include "resources/StringTable.h"

#include <QFileInfo>

namespace {

QString Extension(const QString& path)
{
    return QFileInfo(path).suffix().toLower();
}

// A list read from a file ends with an empty row for typing; the sort
// leaves such rows out, so that a sorted export never starts with blank
// rows.
int LastFilledRow(const CGridListCtrl& grid)
{
    int row = grid.GetItemCount() - 1;
    while (row >= 0 && grid.JoinedRowView(row).empty())
        --row;
    return row;
}

} // namespace

CBatchConverter::Input CBatchConverter::InputKind(const QString& path)
{
    const QString ext = Extension(path);
    if (ext == QLatin1String("csv"))
        return Input::Csv;
    if (ext == QLatin1String("txt") || ext == QLatin1String("tsv"))
        return Input::Text;
    return Input::List;
}

CBatchConverter::Output CBatchConverter::OutputKind(const QString& path)
{
    const QString ext = Extension(path);
    if (ext == QLatin1String("tbw"))
        return Output::List;
    if (ext == QLatin1String("txt") || ext == QLatin1String("tsv"))
        return Output::Text;
    if (ext == QLatin1String("csv"))
        return Output::Csv;
    if (ext == QLatin1String("html"))
        return Output::Html;
    if (ext == QLatin1String("pdf"))
        return Output::Pdf;
    return Output::Unknown;
}

int CBatchConverter::Fail(const QString& message)
{
    std::fprintf(m_errors, "quire: %s\n", qPrintable(message));
    return CCommandLine::kFailure;
}

int CBatchConverter::Run(const CConversion& conversion)
{
    m_conversion = conversion;
    const Output output = OutputKind(m_conversion.out);
    if (output == Output::Unknown)
        return Fail(QStringLiteral("type de fichier de sortie inconnu : %1").arg(m_conversion.out));
    if (output == Output::Pdf && !m_printPdf)
        return Fail(QStringLiteral("impression en PDF indisponible : %1").arg(m_conversion.out));

    CTablewrightDoc doc(*this, *this);
    doc.OnNewDocument();
    const bool read = InputKind(m_conversion.in) == Input::Text
                          ? doc.OnImportText()
                          : doc.OpenDocumentFile(m_conversion.in);
    if (!read)
        return CCommandLine::kFailure;
    // The HTML page is titled with the input's name, whatever it was.
    doc.SetPathName(m_conversion.in);
    if (!SortList(doc.GetGrid()))
        return CCommandLine::kFailure;

    bool written = false;
    switch (output) {
    case Output::List:
        written = doc.DoSave(m_conversion.out);
        break;
    case Output::Text:
        written = doc.OnExportText();
        break;
    case Output::Csv:
        written = doc.OnExportCsv();
        break;
    case Output::Html:
        written = doc.OnExportHtml();
        break;
    case Output::Pdf:
        written = WritePdf(doc);
        break;
    case Output::Unknown:
        break;
    }
    return written ? CCommandLine::kSuccess : CCommandLine::kFailure;
}

bool CBatchConverter::WritePdf(const CTablewrightDoc& doc)
{
    QString error;
    if (m_printPdf(doc.GetGrid(), doc.GetTitle(), m_conversion.out, error))
        return true;
    // Said as every other output says it, on one line.
    Fail(QString::fromUtf8(Strings::kCannotWriteFile).arg(m_conversion.out, error).simplified());
    return false;
}

// The sort is a click on the column's header, or for descending two
// clicks: an ascending sort, then a descending sort of what it gave. Rows
// of equal keys keep the order those clicks leave them in.
bool CBatchConverter::SortList(CGridListCtrl& grid)
{
    if (m_conversion.sortColumn == 0)
        return true;
    if (m_conversion.sortColumn > grid.GetColumnCount()) {
        Fail(QStringLiteral("colonne de tri inexistante : %1 (nombre de colonnes : %2)")
                 .arg(m_conversion.sortColumn)
                 .arg(grid.GetColumnCount()));
        return false;
    }
    const int column = m_conversion.sortColumn - 1;
    const int last = LastFilledRow(grid);
    if (last > 0) {
        SortRows(grid, column, true, 0, last);
        if (m_conversion.descending)
            SortRows(grid, column, false, 0, last);
    }
    return true;
}

// The command line answers the questions about CSV headers. Nothing else
// is asked of a conversion: the document it works on is new, with no
// change to save and no column to delete.
IUserPrompt::Answer CBatchConverter::Ask(Question question, const QString&)
{
    switch (question) {
    case Question::CsvHasHeader:
        return m_conversion.csvHeader ? Answer::Yes : Answer::No;
    case Question::CsvExportHeader:
        return m_conversion.csvExportHeader ? Answer::Yes : Answer::No;
    case Question::SaveChanges:
    case Question::DeleteColumn:
        break;
    }
    return Answer::Cancel;
}

IUserPrompt::Answer CBatchConverter::MessageBox(const QString& text, Buttons buttons, Icon)
{
    const QString line = text.simplified();
    std::fprintf(m_errors, "quire: %s\n", qPrintable(line));
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

QString CBatchConverter::GetOpenFileName(const QString&, const QString&)
{
    return m_conversion.in;
}

QString CBatchConverter::GetSaveFileName(const QString&, const QString&, const QString&)
{
    return m_conversion.out;
}
