#pragma once

#include "platform/UserPrompt.h"

#include <QString>

#include <array>
#include <optional>
#include <span>

class CGridListCtrl;
class CTextSource;
class IProgress;

// The kinds of file Quire reads or writes.
enum class FileFormat
{
    List,
    Text,
    Csv,
    Html,
    Pdf
};

// A question asked before a file is read or written. The batch converter
// answers it from the command line by its kind.
struct FormatQuestion
{
    IUserPrompt::Question kind;
    const char* text;
};

// Fills an empty grid from an opened file; yes is the answer to the
// format's question. False when the file was not read to its end.
using FormatReader = bool (*)(CTextSource& source, CGridListCtrl& grid, bool yes,
                              IProgress& progress);

// What a writer is told besides the grid: the answer to the format's
// question and the title of the list.
struct WriteRequest
{
    bool yes = false;
    QString title;
};

// Writes the grid to path; false with the reason when it cannot.
using FormatWriter = bool (*)(const CGridListCtrl& grid, const QString& path,
                              const WriteRequest& request, IProgress& progress, QString& error);

// One format: what menus, file choosers and the batch converter know of it.
// The list's own format is read by Open and written by Save, a PDF by the
// printer; those have no reader or writer here.
struct FileFormatEntry
{
    FileFormat format;
    // In lower case; the first is given to a file saved under this format.
    std::array<const char*, 3> suffixes{};
    // The file choosers' filters, null where none is shown.
    const char* readFilter = nullptr;
    const char* writeFilter = nullptr;
    // The menu commands, 0 where there is none.
    int importCommand = 0;
    int exportCommand = 0;
    std::optional<FormatQuestion> importQuestion{};
    std::optional<FormatQuestion> exportQuestion{};
    FormatReader read = nullptr;
    FormatWriter write = nullptr;
    // True when Open makes the file a document of its own, written back by
    // Save in the dialect it was read in (CSV and tab-separated text), with
    // this separator (0: found in the file).
    bool openedAsDocument = false;
    char separator = 0;
    // The short name of the format the status bar gives.
    const char* kind = nullptr;
    // The filter Save As offers the format under, null where it offers none.
    const char* documentFilter = nullptr;
    // Told when the file cannot be opened for a reason other than a
    // refusal; null for the usual message with the system's reason.
    const char* openFailure = nullptr;
    // Told when the reader stops although the file could be read.
    const char* readFailure = nullptr;
};

namespace FileFormats {

std::span<const FileFormatEntry> All();
const FileFormatEntry& Of(FileFormat format);
// The format a path's suffix names, in any case; null for none.
const FileFormatEntry* ForPath(const QString& path);

} // namespace FileFormats
