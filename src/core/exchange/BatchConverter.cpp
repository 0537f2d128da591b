#include "exchange/BatchConverter.h"

#include "document/TablewrightDoc.h"
#include "resources/StringTable.h"

#include <QFileInfo>

namespace {

QString Extension(const QString& path)
{
    return QFileInfo(path).suffix().toLower();
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

    CTablewrightDoc doc(*this, *this);
    doc.SetView(this);
    doc.OnNewDocument();
    const bool read = InputKind(m_conversion.in) == Input::Text
                          ? doc.OnImportText()
                          : doc.OpenDocumentFile(m_conversion.in);
    if (!read)
        return CCommandLine::kFailure;
    // The HTML page is titled with the input's name, whatever it was.
    doc.SetPathName(m_conversion.in);

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
    case Output::Unknown:
        break;
    }
    return written ? CCommandLine::kSuccess : CCommandLine::kFailure;
}

IUserPrompt::Answer CBatchConverter::MessageBox(const QString& text, Buttons buttons, Icon)
{
    if (buttons == Buttons::YesNo) {
        const bool exportQuestion = text == QString::fromUtf8(Strings::kCsvExportHeaderQuestion);
        const bool yes = exportQuestion ? m_conversion.csvExportHeader : m_conversion.csvHeader;
        return yes ? Answer::Yes : Answer::No;
    }
    QString line = text.simplified();
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
