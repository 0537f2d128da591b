#pragma once

#include "edit/SortKeys.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// One --sort of a conversion, with the --descending and --order that
// follow it.
struct ConversionSort
{
    int column = 0; // counted from 1
    bool descending = false;
    // Text, the order of a click on the column's header, unless --order
    // says otherwise.
    CellOrder order = CellOrder::Text;
};

// What "quire --convert" was asked to do.
struct CConversion
{
    QString in;
    QString out;
    bool csvHeader = false;      // the CSV read names its columns in its first record
    bool csvExportHeader = true; // the CSV written starts with the column names
    // The sort keys, the first deciding first; none leaves the rows as
    // they were read.
    std::vector<ConversionSort> sorts;
    // Only the rows holding a cell that matches filter are written, by
    // Find's rules; an empty filter keeps every row.
    QString filter;
    int filterColumn = 0; // counted from 1; 0 looks in every column
    bool matchCase = false;
    bool wholeCell = false;
};

// The program's command line, read before anything needs a display: which
// of its ways to run was asked for and with what, or one line saying what
// is wrong with it.
class CCommandLine
{
public:
    enum class Mode
    {
        Edit,
        Convert,
        Help,
        Version,
        Invalid
    };

    // Exit statuses: a command line that cannot be carried out is told
    // apart from a run that failed.
    static constexpr int kSuccess = 0;
    static constexpr int kFailure = 1;
    static constexpr int kUsageError = 2;

    // arguments: without the program's own name.
    explicit CCommandLine(const QStringList& arguments);

    Mode GetMode() const { return m_mode; }
    // Edit: the list to open or the file to import; empty for a new list.
    const QString& File() const { return m_file; }
    const CConversion& Conversion() const { return m_conversion; }
    // Invalid: what is wrong, as one line to show the user.
    const QString& Error() const { return m_error; }

    static QString Usage();
    static QString VersionLine();
    // Follows an error: where to learn how the command line goes.
    static QString HelpHint();

private:
    // The options that only a conversion takes; false when the argument at
    // index is none of them or its value is wrong, which is then told.
    bool ReadConversionOption(const QStringList& arguments, qsizetype& index);
    // Reads the value of the option at index, which moves past it, and
    // hands it to take, which keeps it or finds it wrong; expected says
    // what it should be, when it is wrong or missing.
    bool ReadValue(const QStringList& arguments, qsizetype& index, const char* expected,
                   const std::function<bool(const QString&)>& take);
    // --descending and --order refine the --sort they follow; before the
    // first one, the first one.
    ConversionSort& SortToRefine(const QString& option);
    void Finish(const QStringList& files, bool convert, const QString& conversionOption);
    void Fail(const QString& message);

    Mode m_mode = Mode::Edit;
    QString m_file;
    CConversion m_conversion;
    // A refinement given before any --sort, waiting for it.
    ConversionSort m_pendingSort;
    QString m_pendingSortOption;
    QString m_error;
};
