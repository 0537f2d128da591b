#include "exchange/BatchConverter.h"

#include "document/TablewrightDoc.h"
#include "resources/StringTable.h"

#include <QFileInfo>

namespace {

QString Extension(const QString& path)
{
    return QFileInfo(path).suffix().toLower();
}

// "yes" or "no"; anything else leaves answer alone and fails.
bool ParseYesNo(const QString& text, bool& answer)
{
    if (text == QLatin1String("yes") || text == QLatin1String("no")) {
        answer = text == QLatin1String("yes");
        return true;
    }
    return false;
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
    return Output::Unknown;
}

bool CBatchConverter::ParseOptions(const QStringList& args)
{
    if (args.size() < 2 || args.size() % 2 != 0)
        return false;
    m_in = args[0];
    m_out = args[1];
    for (qsizetype i = 2; i < args.size(); i += 2) {
        bool* answer = args[i] == QLatin1String("--csv-header")          ? &m_csvHeader
                       : args[i] == QLatin1String("--csv-export-header") ? &m_csvExportHeader
                                                                         : nullptr;
        if (!answer || !ParseYesNo(args[i + 1], *answer))
            return false;
    }
    return true;
}

int CBatchConverter::Fail(const QString& message)
{
    std::fprintf(m_errors, "quire: %s\n", qPrintable(message));
    return 1;
}

int CBatchConverter::Run(const QStringList& args)
{
    if (!ParseOptions(args))
        return Fail(QStringLiteral("usage : quire --convert ENTRÉE SORTIE [--csv-header yes|no] "
                                   "[--csv-export-header yes|no]"));
    const Output output = OutputKind(m_out);
    if (output == Output::Unknown)
        return Fail(QStringLiteral("type de fichier de sortie inconnu : %1").arg(m_out));

    CTablewrightDoc doc(*this, *this);
    doc.SetView(this);
    doc.OnNewDocument();
    const bool read =
        InputKind(m_in) == Input::Text ? doc.OnImportText() : doc.OpenDocumentFile(m_in);
    if (!read)
        return 1;
    // The HTML page is titled with the input's name, whatever it was.
    doc.SetPathName(m_in);

    bool written = false;
    switch (output) {
    case Output::List:
        written = doc.DoSave(m_out);
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
    case Output::Unknown:
        break;
    }
    return written ? 0 : 1;
}

IUserPrompt::Answer CBatchConverter::MessageBox(const QString& text, Buttons buttons, Icon)
{
    if (buttons == Buttons::YesNo) {
        const bool exportQuestion = text == QString::fromUtf8(Strings::kCsvExportHeaderQuestion);
        return (exportQuestion ? m_csvExportHeader : m_csvHeader) ? Answer::Yes : Answer::No;
    }
    QString line = text.simplified();
    std::fprintf(m_errors, "quire: %s\n", qPrintable(line));
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

QString CBatchConverter::GetOpenFileName(const QString&, const QString&)
{
    return m_in;
}

QString CBatchConverter::GetSaveFileName(const QString&, const QString&, const QString&)
{
    return m_out;
}
