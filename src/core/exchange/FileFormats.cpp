#include "exchange/FileFormats.h"

#include "exchange/CsvImporter.h"
#include "exchange/HtmlExporter.h"
#include "exchange/TextExporter.h"
#include "exchange/TextImporter.h"
#include "resources/CommandTable.h"
#include "resources/StringTable.h"

#include <QFileInfo>

#include <algorithm>

namespace {

using Commands::ID_FILE_EXPORT_CSV;
using Commands::ID_FILE_EXPORT_HTML;
using Commands::ID_FILE_EXPORT_TEXT;
using Commands::ID_FILE_IMPORT_CSV;
using Commands::ID_FILE_IMPORT_TEXT;
using Question = IUserPrompt::Question;

bool ReadText(CTextSource& source, CGridListCtrl& grid, bool, IProgress& progress)
{
    return CTextImporter(progress).Read(source, grid);
}

bool ReadCsv(CTextSource& source, CGridListCtrl& grid, bool withHeader, IProgress& progress)
{
    return CCsvImporter(progress).Read(source, grid, withHeader);
}

bool WriteText(const CGridListCtrl& grid, const QString& path, const WriteRequest&,
               IProgress& progress, QString& error)
{
    return CTextExporter(progress).WriteText(grid, path, error);
}

bool WriteCsv(const CGridListCtrl& grid, const QString& path, const WriteRequest& request,
              IProgress& progress, QString& error)
{
    return CTextExporter(progress).WriteCsv(grid, path, request.yes, error);
}

bool WriteHtml(const CGridListCtrl& grid, const QString& path, const WriteRequest& request,
               IProgress& progress, QString& error)
{
    return CHtmlExporter(progress).Write(grid, path, request.title, error);
}

const FileFormatEntry kFormats[] = {
    {.format = FileFormat::List,
     .suffixes = {"tbw"},
     .readFilter = Strings::kListOpenFilter,
     .writeFilter = Strings::kListFilter,
     .documentFilter = Strings::kListFilter},
    {.format = FileFormat::Text,
     .suffixes = {"txt", "tsv", "tab"},
     .readFilter = Strings::kTextFilter,
     .writeFilter = Strings::kTextFilter,
     .importCommand = ID_FILE_IMPORT_TEXT,
     .exportCommand = ID_FILE_EXPORT_TEXT,
     .read = ReadText,
     .write = WriteText,
     .openedAsDocument = true,
     .separator = '\t',
     .kind = Strings::kTextKind,
     .documentFilter = Strings::kTabbedDocumentFilter},
    {.format = FileFormat::Csv,
     .suffixes = {"csv"},
     .readFilter = Strings::kCsvFilter,
     .writeFilter = Strings::kCsvFilter,
     .importCommand = ID_FILE_IMPORT_CSV,
     .exportCommand = ID_FILE_EXPORT_CSV,
     .importQuestion = FormatQuestion{Question::CsvHasHeader, Strings::kCsvHeaderQuestion},
     .exportQuestion = FormatQuestion{Question::CsvExportHeader, Strings::kCsvExportHeaderQuestion},
     .read = ReadCsv,
     .write = WriteCsv,
     .openedAsDocument = true,
     .kind = Strings::kCsvKind,
     .documentFilter = Strings::kCsvDocumentFilter,
     .openFailure = Strings::kCsvCheckFilename,
     .readFailure = Strings::kCsvParserFailed},
    {.format = FileFormat::Html,
     .suffixes = {"html"},
     .writeFilter = Strings::kHtmlFilter,
     .exportCommand = ID_FILE_EXPORT_HTML,
     .write = WriteHtml},
    {.format = FileFormat::Pdf, .suffixes = {"pdf"}},
};

} // namespace

namespace FileFormats {

std::span<const FileFormatEntry> All()
{
    return kFormats;
}

const FileFormatEntry& Of(FileFormat format)
{
    return *std::find_if(std::begin(kFormats), std::end(kFormats),
                         [format](const FileFormatEntry& entry) { return entry.format == format; });
}

const FileFormatEntry* ForPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FileFormatEntry& entry : kFormats) {
        for (const char* own : entry.suffixes) {
            if (own && suffix == QLatin1String(own))
                return &entry;
        }
    }
    return nullptr;
}

} // namespace FileFormats
