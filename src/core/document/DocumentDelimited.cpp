// CSV and tab-separated files as documents of their own: opened as Open
// opens a list, written back by Save in the dialect they were read in, and
// watched for changes another program makes to them.
#include "document/TablewrightDoc.h"

#include "document/ListReader.h"
#include "io/TextSource.h"
#include "platform/UserPrompt.h"
#include "resources/StringTable.h"

#include <QFileInfo>

namespace {

// How a file that was not read in a dialect is written as format: CSV with
// commas, tab-separated text with TABs; UTF-8, CR LF, a header.
CsvDialect DefaultDialect(const FileFormatEntry& format)
{
    CsvDialect dialect;
    if (format.separator != 0)
        dialect.separator = format.separator;
    return dialect;
}

// The filter of a Save As filter list whose pattern holds path's suffix.
QString FirstFilter(const char* filters)
{
    return QString::fromUtf8(filters).section(QStringLiteral(";;"), 0, 0);
}

} // namespace

bool CTablewrightDoc::OpenDelimited(const FileFormatEntry& format, const QString& path)
{
    CTextSource source;
    if (!OpenSource(path, source, CTextSource::Utf8Check::ByLines))
        return false;
    // A list document saved under .txt is still a list.
    if (format.format == FileFormat::Text && CListReader::StartsWithVersion(source))
        return source.Rewind() && ReadList(path, source);
    const bool header = !format.importQuestion || Agrees(format.importQuestion);
    CDelimitedFile delimited;
    const FillResult read = FillGrid(path, source, [&](CGridListCtrl& grid) {
        return delimited.Read(source, path, grid, header, format.separator, m_progress);
    });
    if (read == FillResult::Abandoned)
        return false;
    const bool complete = read == FillResult::Whole;
    m_delimited = std::move(delimited);
    m_format = format.format;
    m_encoding = TextEncoding::Utf8;
    m_stamp = m_stampAsked = m_delimited.Stamp();
    AfterRead();
    ForgetHistory();
    if (!complete && format.readFailure)
        m_prompt.MessageBox(QString::fromUtf8(format.readFailure), IUserPrompt::Buttons::Ok,
                            IUserPrompt::Icon::None);
    return complete;
}

bool CTablewrightDoc::SaveDelimited(const QString& path, CsvDialect dialect)
{
    QString error;
    for (;;) {
        switch (m_delimited.Write(m_grid, path, dialect, m_progress, error)) {
        case CDelimitedFile::WriteResult::Written:
            return true;
        case CDelimitedFile::WriteResult::Failed:
            ReportWriteFailure(path, error);
            return false;
        case CDelimitedFile::WriteResult::DoesNotFit:
            break;
        }
        const QString name = QFileInfo(path).fileName();
        const QString encoding = CsvDialects::EncodingName(dialect.encoding, dialect.byteOrderMark);
        if (dialect.encoding == TextEncoding::Utf8 ||
            m_prompt.Ask(IUserPrompt::Question::SaveInUtf8,
                         QString::fromUtf8(Strings::kSaveInUtf8).arg(encoding, name)) !=
                IUserPrompt::Answer::Yes) {
            m_prompt.MessageBox(QString::fromUtf8(Strings::kNotSavedEncoding).arg(name, encoding),
                                IUserPrompt::Buttons::Ok, IUserPrompt::Icon::Warning);
            return false;
        }
        // With its mark, so that the programs that wrote Windows-1252 read
        // it as UTF-8.
        dialect.encoding = TextEncoding::Utf8;
        dialect.byteOrderMark = true;
    }
}

const CsvDialect* CTablewrightDoc::Dialect() const
{
    return m_format == FileFormat::List ? nullptr : &m_delimited.Dialect();
}

QString CTablewrightDoc::DialectText() const
{
    const CsvDialect* dialect = Dialect();
    if (!dialect)
        return {};
    return CsvDialects::Describe(*dialect, QString::fromUtf8(FileFormats::Of(m_format).kind));
}

bool CTablewrightDoc::ChangedOnDisk() const
{
    return !m_strPathName.isEmpty() && FileStamp::Of(m_strPathName) != m_stamp;
}

bool CTablewrightDoc::OfferReload()
{
    if (!ChangedOnDisk())
        return false;
    const FileStamp now = FileStamp::Of(m_strPathName);
    // A file that is gone is written again by the next save.
    if (!now.exists || now == m_stampAsked)
        return false;
    m_stampAsked = now;
    QString question =
        QString::fromUtf8(Strings::kFileChangedReload).arg(QFileInfo(m_strPathName).fileName());
    if (IsModified())
        question += QString::fromUtf8(Strings::kUnsavedChangesLost);
    if (m_prompt.Ask(IUserPrompt::Question::ReloadChangedFile, question) !=
        IUserPrompt::Answer::Yes)
        return false;
    const QString path = m_strPathName;
    if (!OnOpenDocument(path))
        return false;
    SetPathName(path);
    return true;
}

bool CTablewrightDoc::MayOverwrite(const QString& path)
{
    if (path != m_strPathName || !ChangedOnDisk() || !FileStamp::Of(path).exists)
        return true;
    const QString question =
        QString::fromUtf8(Strings::kFileChangedOverwrite).arg(QFileInfo(path).fileName());
    return m_prompt.Ask(IUserPrompt::Question::OverwriteChangedFile, question) ==
           IUserPrompt::Answer::Yes;
}

// The list format first, then the others, the document's own first of all
// so that the chooser starts on it.
QString CTablewrightDoc::SaveAsFilter() const
{
    QStringList filters;
    for (const FileFormatEntry& entry : FileFormats::All()) {
        if (!entry.documentFilter)
            continue;
        const QString filter = FirstFilter(entry.documentFilter);
        if (entry.format == m_format)
            filters.prepend(filter);
        else
            filters.append(filter);
    }
    return filters.join(QStringLiteral(";;"));
}

// The format is the one the chosen name's suffix names, the list's for any
// other; a CSV file is written as « Options CSV » says, starting from the
// document's own dialect.
bool CTablewrightDoc::ChooseSaveFormat(const QString& path, bool ask, FileFormat& format,
                                       CsvDialect& dialect)
{
    const FileFormatEntry* entry = FileFormats::ForPath(path);
    if (!entry || !entry->openedAsDocument) {
        format = FileFormat::List;
        return true;
    }
    format = entry->format;
    const CsvDialect* own = Dialect();
    dialect = own ? *own : DefaultDialect(*entry);
    if (entry->separator != 0) {
        dialect.separator = entry->separator;
        return true;
    }
    if (dialect.separator == '\t')
        dialect.separator = ',';
    return !ask || m_prompt.ChooseCsvOptions(dialect);
}
