#include "exchange/CommandLine.h"

#include "document/Version.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

namespace {

QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

struct YesNoOption
{
    const char* name;
    bool CConversion::*answer;
};

constexpr YesNoOption kYesNoOptions[] = {
    {"--csv-header", &CConversion::csvHeader},
    {"--csv-export-header", &CConversion::csvExportHeader},
};

// The option an argument names, alone or as "--option=value".
QString OptionName(const QString& argument)
{
    return argument.section(QLatin1Char('='), 0, 0);
}

// The options that refine a filter, each meaningless without one.
struct FilterOption
{
    const char* name;
    bool (*given)(const CConversion& conversion);
};

constexpr FilterOption kFilterOptions[] = {
    {"--filter-column", [](const CConversion& c) { return c.filterColumn != 0; }},
    {"--match-case", [](const CConversion& c) { return c.matchCase; }},
    {"--whole-cell", [](const CConversion& c) { return c.wholeCell; }},
};

// The first refinement given without --filter; null when there is none.
const FilterOption* RefinementWithoutFilter(const CConversion& conversion)
{
    if (!conversion.filter.isEmpty())
        return nullptr;
    for (const FilterOption& option : kFilterOptions) {
        if (option.given(conversion))
            return &option;
    }
    return nullptr;
}

const YesNoOption* FindYesNoOption(const QString& name)
{
    for (const YesNoOption& option : kYesNoOptions) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

// The value follows the option, as "--option=value" or as the next
// argument; an option that comes next is no value. Empty when there is
// none.
QString OptionValue(const QStringList& arguments, qsizetype& index)
{
    const QString& argument = arguments[index];
    const QString name = OptionName(argument);
    if (argument.size() > name.size())
        return argument.mid(name.size() + 1);
    if (index + 1 < arguments.size() && !arguments[index + 1].startsWith(QLatin1Char('-')))
        return arguments[++index];
    return {};
}

// A column counted from 1, in digits only; 0 when the value is no such
// number. A number too large for an int is larger than any list's column
// count, and is taken as the largest int, for the conversion to refuse.
int ColumnNumber(const QString& value)
{
    const bool digits = std::all_of(value.begin(), value.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!digits)
        return 0;
    bool fits = false;
    const int number = value.toInt(&fits);
    return fits ? number : std::numeric_limits<int>::max();
}

// The orders --order names.
std::optional<CellOrder> SortOrderNamed(const QString& name)
{
    static constexpr std::pair<const char*, CellOrder> kOrders[] = {
        {"alpha", CellOrder::Alphabetic},
        {"number", CellOrder::Numeric},
        {"natural", CellOrder::Natural},
    };
    for (const auto& [text, order] : kOrders) {
        if (name == QLatin1String(text))
            return order;
    }
    return std::nullopt;
}

} // namespace

CCommandLine::CCommandLine(const QStringList& arguments)
{
    QStringList files;
    bool convert = false;
    QString conversionOption; // the first option that only a conversion takes
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        // What follows "--" are files, even when they start with a dash.
        if (argument == QLatin1String("--")) {
            files += arguments.mid(i + 1);
            break;
        }
        if (!argument.startsWith(QLatin1Char('-'))) {
            files << argument;
        } else if (argument == QLatin1String("--help")) {
            m_mode = Mode::Help;
            return;
        } else if (argument == QLatin1String("--version")) {
            m_mode = Mode::Version;
            return;
        } else if (argument == QLatin1String("--convert")) {
            convert = true;
        } else if (!ReadConversionOption(arguments, i)) {
            return;
        } else if (conversionOption.isEmpty()) {
            conversionOption = OptionName(argument);
        }
    }
    Finish(files, convert, conversionOption);
}

bool CCommandLine::ReadConversionOption(const QStringList& arguments, qsizetype& index)
{
    const QString& argument = arguments[index];
    const QString name = OptionName(argument);
    if (const YesNoOption* option = FindYesNoOption(name)) {
        bool& answer = m_conversion.*(option->answer);
        return ReadValue(arguments, index, Strings::kYesOrNoExpected, [&](const QString& value) {
            answer = value == QLatin1String("yes");
            return answer || value == QLatin1String("no");
        });
    }
    if (name == QLatin1String("--sort")) {
        return ReadValue(
            arguments, index, Strings::kColumnNumberExpected, [this](const QString& value) {
                ConversionSort sort = m_conversion.sorts.empty() ? m_pendingSort : ConversionSort();
                sort.column = ColumnNumber(value);
                m_conversion.sorts.push_back(sort);
                return sort.column > 0;
            });
    }
    if (name == QLatin1String("--order")) {
        return ReadValue(arguments, index, Strings::kSortOrderExpected, [&](const QString& value) {
            const std::optional<CellOrder> order = SortOrderNamed(value);
            if (order)
                SortToRefine(name).order = *order;
            return order.has_value();
        });
    }
    if (argument == QLatin1String("--descending")) {
        SortToRefine(argument).descending = true;
        return true;
    }
    if (name == QLatin1String("--filter")) {
        return ReadValue(arguments, index, Strings::kFilterTextExpected,
                         [this](const QString& value) {
                             m_conversion.filter = value;
                             return true;
                         });
    }
    if (name == QLatin1String("--filter-column")) {
        return ReadValue(arguments, index, Strings::kColumnNumberExpected,
                         [this](const QString& value) {
                             m_conversion.filterColumn = ColumnNumber(value);
                             return m_conversion.filterColumn > 0;
                         });
    }
    for (const auto& [flag, member] : {std::pair{"--match-case", &CConversion::matchCase},
                                       std::pair{"--whole-cell", &CConversion::wholeCell}}) {
        if (argument == QLatin1String(flag)) {
            m_conversion.*member = true;
            return true;
        }
    }
    Fail(Text(Strings::kUnknownOption).arg(argument));
    return false;
}

bool CCommandLine::ReadValue(const QStringList& arguments, qsizetype& index, const char* expected,
                             const std::function<bool(const QString&)>& take)
{
    const QString name = OptionName(arguments[index]);
    const QString value = OptionValue(arguments, index);
    if (value.isEmpty()) {
        Fail(Text(Strings::kMissingValue).arg(name, Text(expected)));
        return false;
    }
    if (!take(value)) {
        Fail(Text(Strings::kBadValue).arg(name, value, Text(expected)));
        return false;
    }
    return true;
}

void CCommandLine::Finish(const QStringList& files, bool convert, const QString& conversionOption)
{
    const qsizetype allowed = convert ? 2 : 1;
    if (files.size() > allowed) {
        Fail(Text(Strings::kExtraArgument).arg(files[allowed]));
    } else if (!convert && !conversionOption.isEmpty()) {
        Fail(Text(Strings::kOptionOnlyWith).arg(conversionOption, QStringLiteral("--convert")));
    } else if (!m_pendingSortOption.isEmpty() && m_conversion.sorts.empty()) {
        Fail(Text(Strings::kOptionOnlyWith).arg(m_pendingSortOption, QStringLiteral("--sort")));
    } else if (const FilterOption* refinement = RefinementWithoutFilter(m_conversion)) {
        Fail(Text(Strings::kOptionOnlyWith)
                 .arg(QLatin1String(refinement->name), QStringLiteral("--filter")));
    } else if (!convert) {
        m_file = files.value(0);
    } else if (files.isEmpty()) {
        Fail(Text(Strings::kMissingConvertFiles));
    } else if (files.size() == 1) {
        Fail(Text(Strings::kMissingConvertOutput).arg(files[0]));
    } else {
        m_mode = Mode::Convert;
        m_conversion.in = files[0];
        m_conversion.out = files[1];
    }
}

ConversionSort& CCommandLine::SortToRefine(const QString& option)
{
    if (!m_conversion.sorts.empty())
        return m_conversion.sorts.back();
    if (m_pendingSortOption.isEmpty())
        m_pendingSortOption = option;
    return m_pendingSort;
}

void CCommandLine::Fail(const QString& message)
{
    m_mode = Mode::Invalid;
    m_error = Text(Strings::kCommandLineError).arg(message);
}

QString CCommandLine::Usage()
{
    return Text(Strings::kUsage);
}

QString CCommandLine::VersionLine()
{
    return Text(Strings::kAppName) + QLatin1Char(' ') +
           QString::fromStdString(FormatVersion(kProgramVersion));
}

QString CCommandLine::HelpHint()
{
    return Text(Strings::kHelpHint);
}
