#include "exchange/CommandLine.h"

#include "document/Version.h"
#include "resources/StringTable.h"

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

// The yes/no option the argument names, alone or as "--option=value".
const YesNoOption* FindYesNoOption(const QString& argument)
{
    const QString name = argument.section(QLatin1Char('='), 0, 0);
    for (const YesNoOption& option : kYesNoOptions) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
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
        } else if (const YesNoOption* option = FindYesNoOption(argument)) {
            if (!ReadYesNo(arguments, i, m_conversion.*(option->answer)))
                return;
            if (conversionOption.isEmpty())
                conversionOption = QLatin1String(option->name);
        } else {
            Fail(Text(Strings::kUnknownOption).arg(argument));
            return;
        }
    }
    Finish(files, convert, conversionOption);
}

// The value follows the option, as "--option=value" or as the next
// argument; an option that comes next is no value.
bool CCommandLine::ReadYesNo(const QStringList& arguments, qsizetype& index, bool& answer)
{
    const QString& argument = arguments[index];
    const QString name = argument.section(QLatin1Char('='), 0, 0);
    QString value;
    if (argument.size() > name.size())
        value = argument.mid(name.size() + 1);
    else if (index + 1 < arguments.size() && !arguments[index + 1].startsWith(QLatin1Char('-')))
        value = arguments[++index];
    if (value.isEmpty()) {
        Fail(Text(Strings::kMissingValue).arg(name));
        return false;
    }
    if (value != QLatin1String("yes") && value != QLatin1String("no")) {
        Fail(Text(Strings::kBadValue).arg(name, value));
        return false;
    }
    answer = value == QLatin1String("yes");
    return true;
}

void CCommandLine::Finish(const QStringList& files, bool convert, const QString& conversionOption)
{
    const qsizetype allowed = convert ? 2 : 1;
    if (files.size() > allowed) {
        Fail(Text(Strings::kExtraArgument).arg(files[allowed]));
    } else if (!convert && !conversionOption.isEmpty()) {
        Fail(Text(Strings::kConvertOnlyOption).arg(conversionOption));
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
