// The import and export commands of the document.
#include "document/TablewrightDoc.h"

#include "exchange/CsvImporter.h"
#include "exchange/HtmlExporter.h"
#include "exchange/TextExporter.h"
#include "exchange/TextImporter.h"
#include "grid/GridListCtrl.h"
#include "io/TextSource.h"
#include "platform/UserPrompt.h"
#include "resources/StringTable.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The imported file's name with .tbw, in the imported file's folder.
QString ListPathFor(const QString& importedPath)
{
    const QFileInfo info(importedPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".tbw"));
}

} // namespace

// An imported list has no file of its own: the next Save asks for a list
// document name instead of overwriting the imported file.
void CTablewrightDoc::AfterImport(const QString& path, TextEncoding encoding)
{
    m_encoding = encoding;
    // path may be m_strPathName itself: read it before clearing that.
    const QString title = QFileInfo(path).fileName();
    m_strProposedPath = ListPathFor(path);
    m_strPathName.clear();
    SetTitle(title);
    // The imported file replaced the whole list: nothing is left to save.
    SetModifiedFlag(false);
    AfterRead();
    ForgetHistory();
}

bool CTablewrightDoc::OnImportText()
{
    const QString path = ChooseFileToOpen(QString::fromUtf8(Strings::kTextFilter));
    if (path.isEmpty() || !SaveModified())
        return false;
    return ImportTextFile(path);
}

bool CTablewrightDoc::ImportTextFile(const QString& path)
{
    CTextSource source;
    if (!OpenSource(path, source))
        return false;
    const bool complete = FillGrid(path, source, [&](CGridListCtrl& grid) {
        return CTextImporter(m_progress).Read(source, grid);
    });
    AfterImport(path, source.Encoding());
    return complete;
}

bool CTablewrightDoc::OnImportCsv()
{
    const QString path = ChooseFileToOpen(QString::fromUtf8(Strings::kCsvFilter));
    if (path.isEmpty() || !SaveModified())
        return false;
    return ImportCsvFile(path);
}

bool CTablewrightDoc::ImportCsvFile(const QString& path)
{
    CTextSource source;
    if (!source.Open(path)) {
        if (source.Refused())
            ReportOpenFailure(path, source);
        else
            m_prompt.MessageBox(QString::fromUtf8(Strings::kCsvCheckFilename),
                                IUserPrompt::Buttons::Ok, IUserPrompt::Icon::None);
        return false;
    }
    const bool withHeader =
        m_prompt.Ask(IUserPrompt::Question::CsvHasHeader,
                     QString::fromUtf8(Strings::kCsvHeaderQuestion)) == IUserPrompt::Answer::Yes;
    const bool complete = FillGrid(path, source, [&](CGridListCtrl& grid) {
        return CCsvImporter(m_progress).Read(source, grid, withHeader);
    });
    AfterImport(path, source.Encoding());
    if (!complete && !source.HadError())
        m_prompt.MessageBox(QString::fromUtf8(Strings::kCsvParserFailed), IUserPrompt::Buttons::Ok,
                            IUserPrompt::Icon::None);
    return complete;
}

// The export is proposed under the list's name, with its own extension, in
// the list's folder.
QString CTablewrightDoc::ChooseExportPath(const QString& filter, const QString& suffix)
{
    FlushOpenEdit();
    const QString name =
        QFileInfo(ProposedSavePath()).completeBaseName() + QLatin1Char('.') + suffix;
    const QString folder = StartFolder();
    return ChooseSavePath(filter, suffix, folder.isEmpty() ? name : QDir(folder).filePath(name));
}

bool CTablewrightDoc::OnExportText()
{
    const QString path =
        ChooseExportPath(QString::fromUtf8(Strings::kTextFilter), QStringLiteral("txt"));
    if (path.isEmpty())
        return false;
    QString error;
    if (CTextExporter(m_progress).WriteText(m_grid, path, error))
        return true;
    ReportWriteFailure(path, error);
    return false;
}

bool CTablewrightDoc::OnExportCsv()
{
    const QString path =
        ChooseExportPath(QString::fromUtf8(Strings::kCsvFilter), QStringLiteral("csv"));
    if (path.isEmpty())
        return false;
    const bool withHeader = m_prompt.Ask(IUserPrompt::Question::CsvExportHeader,
                                         QString::fromUtf8(Strings::kCsvExportHeaderQuestion)) ==
                            IUserPrompt::Answer::Yes;
    QString error;
    if (CTextExporter(m_progress).WriteCsv(m_grid, path, withHeader, error))
        return true;
    ReportWriteFailure(path, error);
    return false;
}

bool CTablewrightDoc::OnExportHtml()
{
    const QString path =
        ChooseExportPath(QString::fromUtf8(Strings::kHtmlFilter), QStringLiteral("html"));
    if (path.isEmpty())
        return false;
    const QString title = m_strPathName.isEmpty() ? QString() : QFileInfo(m_strPathName).fileName();
    QString error;
    if (CHtmlExporter(m_progress).Write(m_grid, path, title, error))
        return true;
    ReportWriteFailure(path, error);
    return false;
}
