// The import and export commands of the document, for each format of the
// table: the menu's ask for a file, the others are given one.
#include "document/TablewrightDoc.h"

#include "exchange/FileFormats.h"
#include "grid/GridListCtrl.h"
#include "io/TextSource.h"
#include "platform/UserPrompt.h"
#include "resources/StringTable.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The imported file's name as a list's, in the imported file's folder.
QString ListPathFor(const QString& importedPath)
{
    const QFileInfo info(importedPath);
    const char* suffix = FileFormats::Of(FileFormat::List).suffixes.front();
    return info.dir().filePath(info.completeBaseName() + QLatin1Char('.') +
                               QString::fromLatin1(suffix));
}

} // namespace

// An imported list has no file of its own: the next Save asks for a list
// document name instead of overwriting the imported file.
void CTablewrightDoc::AfterImport(const QString& path, TextEncoding encoding)
{
    m_encoding = encoding;
    m_format = FileFormat::List;
    m_stamp = m_stampAsked = {};
    // path may be m_strPathName itself: read it before clearing that.
    const QString title = QFileInfo(path).fileName();
    m_strProposedPath = ListPathFor(path);
    m_strPathName.clear();
    SetTitle(title);
    AfterRead();
    // The imported file replaced the whole list: nothing is left to save.
    ForgetHistory();
}

bool CTablewrightDoc::OnImport(FileFormat format)
{
    const QString path = ChooseFileToOpen(QString::fromUtf8(FileFormats::Of(format).readFilter));
    if (path.isEmpty() || !SaveModified())
        return false;
    return Import(format, path);
}

bool CTablewrightDoc::Import(FileFormat format, const QString& path)
{
    const FileFormatEntry& entry = FileFormats::Of(format);
    CTextSource source;
    if (!source.Open(path, CTextSource::Utf8Check::ByLines)) {
        if (source.Refused() || !entry.openFailure)
            ReportOpenFailure(path, source);
        else
            m_prompt.MessageBox(QString::fromUtf8(entry.openFailure), IUserPrompt::Buttons::Ok,
                                IUserPrompt::Icon::None);
        return false;
    }
    const bool yes = Agrees(entry.importQuestion);
    const FillResult read = FillGrid(path, source, [&](CGridListCtrl& grid) {
        return entry.read(source, grid, yes, m_progress);
    });
    if (read == FillResult::Abandoned)
        return false;
    AfterImport(path, source.Encoding());
    const bool complete = read == FillResult::Whole;
    if (!complete && entry.readFailure)
        m_prompt.MessageBox(QString::fromUtf8(entry.readFailure), IUserPrompt::Buttons::Ok,
                            IUserPrompt::Icon::None);
    return complete;
}

bool CTablewrightDoc::Agrees(const std::optional<FormatQuestion>& question)
{
    return question && m_prompt.Ask(question->kind, QString::fromUtf8(question->text)) ==
                           IUserPrompt::Answer::Yes;
}

// The export is proposed under the list's name, with its own extension, in
// the list's folder.
QString CTablewrightDoc::ChooseExportPath(const FileFormatEntry& format)
{
    const QString suffix = QString::fromLatin1(format.suffixes.front());
    const QString name =
        QFileInfo(ProposedSavePath()).completeBaseName() + QLatin1Char('.') + suffix;
    const QString folder = StartFolder();
    return ChooseSavePath(QString::fromUtf8(format.writeFilter), suffix,
                          folder.isEmpty() ? name : QDir(folder).filePath(name));
}

bool CTablewrightDoc::OnExport(FileFormat format)
{
    const QString path = ChooseExportPath(FileFormats::Of(format));
    return !path.isEmpty() && Export(format, path);
}

// An HTML page is titled with the list's file name.
bool CTablewrightDoc::Export(FileFormat format, const QString& path)
{
    const FileFormatEntry& entry = FileFormats::Of(format);
    WriteRequest request;
    request.yes = Agrees(entry.exportQuestion);
    if (!m_strPathName.isEmpty())
        request.title = QFileInfo(m_strPathName).fileName();
    QString error;
    if (entry.write(m_grid, path, request, m_progress, error))
        return true;
    ReportWriteFailure(path, error);
    return false;
}
