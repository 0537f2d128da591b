#pragma once

#include "exchange/CommandLine.h"
#include "exchange/FileFormats.h"
#include "platform/Progress.h"
#include "platform/UserPrompt.h"

#include <QString>

#include <cstdio>
#include <functional>

class CGridListCtrl;
class CTablewrightDoc;

// Converts one file into another with no display, through the very commands
// the menus run: the document reads IN as Open or an import would and
// writes OUT as Save or an export would, each format found by its suffix in
// the table of formats. Questions are answered from the command line; every
// message goes to the error stream as one line.
class CBatchConverter : private IUserPrompt, private IProgress
{
public:
    explicit CBatchConverter(std::FILE* errors = stderr) : m_errors(errors) {}

    // Returns the exit status.
    int Run(const CConversion& conversion);

    // Prints the list into a PDF file, titled as given; false with the
    // reason when it cannot. Printing needs fonts and a painter, which the
    // program supplies; without it a PDF cannot be written.
    using PdfPrinter = std::function<bool(const CGridListCtrl& grid, const QString& title,
                                          const QString& path, QString& error)>;
    void SetPdfPrinter(PdfPrinter printer) { m_printPdf = std::move(printer); }

private:
    bool Read(CTablewrightDoc& doc) const;
    bool Write(CTablewrightDoc& doc, FileFormat format);
    int Fail(const QString& message);
    // Sorts the list read as --sort asks; false, once told, when the list
    // has no such column.
    bool SortList(CGridListCtrl& grid);
    // Keeps only the rows --filter asks for; false, once told, when the
    // list has no such column.
    bool FilterList(CGridListCtrl& grid);
    bool HasColumn(const CGridListCtrl& grid, int column, const char* use);

    // IUserPrompt
    Answer MessageBox(const QString& text, Buttons buttons, Icon icon) override;
    Answer Ask(Question question, const QString& text) override;
    // A conversion is given its files: it shows no file chooser.
    QString GetOpenFileName(const QString&, const QString&) override { return {}; }
    QString GetSaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    bool ChooseCsvOptions(CsvDialect&) override { return true; }
    // IProgress
    void SetProgress(int) override {}
    void SetStatusPaneText(int, const QString&) override {}

    bool WritePdf(const CTablewrightDoc& doc);

    std::FILE* m_errors;
    PdfPrinter m_printPdf;
    CConversion m_conversion;
};
