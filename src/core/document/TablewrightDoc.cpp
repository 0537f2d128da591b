#include "document/TablewrightDoc.h"

#include "document/ListReader.h"
#include "document/ListWriter.h"
#include "edit/CellCommands.h"
#include "grid/GridListCtrl.h"
#include "io/TextSource.h"
#include "platform/Progress.h"
#include "platform/UserPrompt.h"
#include "resources/StringTable.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

CTablewrightDoc::CTablewrightDoc(IUserPrompt& prompt, IProgress& progress)
    : m_prompt(prompt), m_progress(progress), m_strTitle(QString::fromUtf8(Strings::kUntitled))
{
}

void CTablewrightDoc::SetPathName(const QString& path)
{
    m_strPathName = path;
    m_strProposedPath.clear();
    SetTitle(path.isEmpty() ? QString::fromUtf8(Strings::kUntitled) : QFileInfo(path).fileName());
}

void CTablewrightDoc::SetTitle(const QString& title)
{
    m_strTitle = title;
    NotifyState();
}

void CTablewrightDoc::NotifyState() const
{
    if (m_stateListener)
        m_stateListener();
}

void CTablewrightDoc::MarkChangedWithoutStep()
{
    m_history.MarkChangedWithoutStep();
    NotifyState();
}

// A filter is a view of the list: no step, no change to save.
bool CTablewrightDoc::SetFilter(const RowFilter& filter)
{
    const QString failure = TrySetFilter(filter);
    if (!failure.isEmpty())
        m_prompt.MessageBox(failure, IUserPrompt::Buttons::Ok, IUserPrompt::Icon::Warning);
    return failure.isEmpty();
}

// The filter is the document's before the rows shown change, for those
// who are told of the change read it; a failing pattern changes no row.
QString CTablewrightDoc::TrySetFilter(const RowFilter& filter)
{
    RowFilter previous = std::exchange(m_filter, filter);
    QString failure = ApplyFilter(m_grid, m_filter);
    if (!failure.isEmpty())
        m_filter = std::move(previous);
    return failure;
}

// A new list comes in: New, Open and the imports drop any filter.
void CTablewrightDoc::ClearGrid()
{
    m_filter = {};
    {
        const ScopedRedrawSuspension suspended(m_grid);
        m_grid.ShowAllRows();
        m_grid.DeleteAllItems();
    }
    m_grid.DeleteAllColumns();
}

bool CTablewrightDoc::Execute(std::unique_ptr<CEditCommand> command)
{
    DropRowsAppendedForEdit();
    const bool done = m_history.Push(std::move(command), m_grid);
    // The modified flag and the Edit menu's steps follow the history.
    NotifyState();
    return done;
}

bool CTablewrightDoc::Undo()
{
    DropRowsAppendedForEdit();
    return TakeStep(m_history.Undo(m_grid));
}

bool CTablewrightDoc::Redo()
{
    DropRowsAppendedForEdit();
    return TakeStep(m_history.Redo(m_grid));
}

bool CTablewrightDoc::TakeStep(CEditHistory::Outcome outcome)
{
    if (outcome == CEditHistory::Outcome::Nothing)
        return false;
    if (outcome == CEditHistory::Outcome::Broken)
        m_prompt.MessageBox(QString::fromUtf8(Strings::kHistoryBroken), IUserPrompt::Buttons::Ok,
                            IUserPrompt::Icon::Error);
    NotifyState();
    return outcome == CEditHistory::Outcome::Done;
}

void CTablewrightDoc::ForgetHistory()
{
    m_history.Clear();
    m_nRowsAppendedForEdit = 0;
    NotifyState();
}

void CTablewrightDoc::AppendRowsForEdit(int count)
{
    if (count <= 0)
        return;
    if (m_nRowsAppendedForEdit == 0)
        m_nRowsBeforeEdit = m_grid.GetItemCount();
    m_grid.AppendEmptyRows(count);
    m_nRowsAppendedForEdit += count;
}

std::unique_ptr<CEditCommand> CTablewrightDoc::TakeRowsAppendedForEdit()
{
    const int count = std::exchange(m_nRowsAppendedForEdit, 0);
    if (count == 0)
        return nullptr;
    return std::make_unique<CAppendRowsCommand>(m_nRowsBeforeEdit, count,
                                                CAppendRowsCommand::Rows::AppendedAlready);
}

// The rows are the last ones: nothing else changes the list while they wait.
void CTablewrightDoc::DropRowsAppendedForEdit()
{
    const int count = std::exchange(m_nRowsAppendedForEdit, 0);
    if (count == 0 || m_grid.GetItemCount() != m_nRowsBeforeEdit + count)
        return;
    m_grid.TakeRows(m_nRowsBeforeEdit, count);
}

bool CTablewrightDoc::OnNewDocument()
{
    SetPathName(QString());
    m_encoding = TextEncoding::Utf8;
    m_format = FileFormat::List;
    m_stamp = m_stampAsked = {};
    m_bLoaded = false;
    ClearGrid();
    ForgetHistory();
    return true;
}

bool CTablewrightDoc::OnOpenDocument(const QString& path)
{
    return LoadList(path);
}

void CTablewrightDoc::OnCloseDocument()
{
    ClearGrid();
    ForgetHistory();
    m_bLoaded = false;
}

bool CTablewrightDoc::LoadList(const QString& path)
{
    const FileFormatEntry* format = FileFormats::ForPath(path);
    if (format && format->openedAsDocument)
        return OpenDelimited(*format, path);
    CTextSource source;
    return OpenList(path, source) && ReadList(path, source);
}

bool CTablewrightDoc::ReadList(const QString& path, CTextSource& source)
{
    // Taken before the read, so that a change made meanwhile is noticed.
    const FileStamp stamp = FileStamp::Of(path);
    CListReader reader(m_prompt, m_progress);
    const FillResult read =
        FillGrid(path, source, [&](CGridListCtrl& grid) { return reader.Read(source, grid); });
    if (read == FillResult::Abandoned)
        return false;
    m_stamp = m_stampAsked = stamp;
    m_encoding = source.Encoding();
    m_format = FileFormat::List;
    AfterRead();
    ForgetHistory();
    return read == FillResult::Whole;
}

bool CTablewrightDoc::OpenSource(const QString& path, CTextSource& source,
                                 CTextSource::Utf8Check check)
{
    if (source.Open(path, check))
        return true;
    ReportOpenFailure(path, source);
    return false;
}

// Opens a list document. Any other file is refused before the current list
// is touched: read as a list, it would come in as fragments or as nothing,
// and the next save would overwrite it.
bool CTablewrightDoc::OpenList(const QString& path, CTextSource& source)
{
    // The reader checks the text as it parses it: a big list is not read
    // twice.
    if (!OpenSource(path, source, CTextSource::Utf8Check::ByReader))
        return false;
    if (CListReader::IsList(source))
        return true;
    m_prompt.MessageBox(QString::fromUtf8(Strings::kNotAList).arg(path), IUserPrompt::Buttons::Ok,
                        IUserPrompt::Icon::Error);
    return false;
}

CTablewrightDoc::FillResult
CTablewrightDoc::FillGrid(const QString& path, CTextSource& source,
                          const std::function<bool(CGridListCtrl&)>& fill)
{
    CGridListCtrl loaded;
    bool complete = false;
    {
        const StoppableScope stoppable(m_progress);
        complete = fill(loaded);
        // A reader that found the file not to be UTF-8 on the way reads it
        // again as Windows-1252.
        if (!m_progress.StopAsked() && source.NotUtf8() && source.ReadAsWindows1252()) {
            loaded.DeleteAllItems();
            loaded.DeleteAllColumns();
            complete = fill(loaded);
        }
    }
    if (m_progress.StopAsked())
        return FillResult::Abandoned;
    if (source.HadError()) {
        m_prompt.MessageBox(
            QString::fromUtf8(Strings::kCannotReadFile).arg(path, source.ErrorString()),
            IUserPrompt::Buttons::Ok, IUserPrompt::Icon::Error);
        return FillResult::Abandoned;
    }
    ClearGrid();
    m_grid.TakeTable(loaded);
    return complete ? FillResult::Whole : FillResult::Partial;
}

// What every reader does once the grid is filled.
void CTablewrightDoc::AfterRead()
{
    if (m_bGoToLastItem != 0)
        m_grid.EnsureVisible(m_grid.GetItemCount() - 1, false);
    m_bLoaded = true;
}

bool CTablewrightDoc::OnSaveDocument(const QString& path)
{
    return SaveAs(path, m_format, m_delimited.Dialect());
}

bool CTablewrightDoc::SaveAs(const QString& path, FileFormat format, CsvDialect dialect)
{
    if (!MayOverwrite(path))
        return false;
    if (format == FileFormat::List ? !SaveList(path) : !SaveDelimited(path, dialect))
        return false;
    m_format = format;
    AfterSave(path);
    return true;
}

void CTablewrightDoc::AfterSave(const QString& path)
{
    m_stamp = m_stampAsked = FileStamp::Of(path);
    m_history.SetClean();
    NotifyState();
}

bool CTablewrightDoc::SaveList(const QString& path)
{
    const TextEncoding encoding =
        m_encoding == TextEncoding::Windows1252 && CListWriter::FitsWindows1252(m_grid)
            ? TextEncoding::Windows1252
            : TextEncoding::Utf8;
    CListWriter writer(m_progress);
    QString error;
    if (!writer.Write(m_grid, path, encoding, error)) {
        ReportWriteFailure(path, error);
        return false;
    }
    m_encoding = encoding;
    return true;
}

void CTablewrightDoc::ReportOpenFailure(const QString& path, const CTextSource& source)
{
    m_prompt.MessageBox(QString::fromUtf8(Strings::kCannotOpenFile).arg(path, source.ErrorString()),
                        IUserPrompt::Buttons::Ok, IUserPrompt::Icon::Error);
}

void CTablewrightDoc::ReportWriteFailure(const QString& path, const QString& reason)
{
    m_prompt.MessageBox(QString::fromUtf8(Strings::kCannotWriteFile).arg(path, reason),
                        IUserPrompt::Buttons::Ok, IUserPrompt::Icon::Error);
}

bool CTablewrightDoc::SaveModified()
{
    if (!IsModified())
        return true;
    const QString question = QString::fromUtf8(Strings::kSaveChangesPrompt).arg(m_strTitle);
    switch (m_prompt.Ask(IUserPrompt::Question::SaveChanges, question)) {
    case IUserPrompt::Answer::Yes:
        return DoFileSave();
    case IUserPrompt::Answer::No:
        return true;
    default:
        return false;
    }
}

bool CTablewrightDoc::DoFileSave()
{
    return DoSave(m_strPathName);
}

bool CTablewrightDoc::DoFileSaveAs()
{
    return DoSave(QString());
}

bool CTablewrightDoc::DoSave(const QString& path)
{
    if (!path.isEmpty() && path == m_strPathName) {
        if (!OnSaveDocument(path))
            return false;
        SetPathName(path);
        return true;
    }
    QString target = path;
    if (target.isEmpty()) {
        const FileFormatEntry& own = FileFormats::Of(m_format);
        target = ChooseSavePath(SaveAsFilter(), QString::fromLatin1(own.suffixes.front()),
                                ProposedSavePath());
    }
    FileFormat format = m_format;
    CsvDialect dialect;
    // A path given outright is written as its suffix says, asking nothing.
    if (target.isEmpty() || !ChooseSaveFormat(target, path.isEmpty(), format, dialect) ||
        !SaveAs(target, format, dialect))
        return false;
    SetPathName(target);
    return true;
}

QString CTablewrightDoc::StartFolder() const
{
    const QString& list = !m_strPathName.isEmpty() ? m_strPathName : m_strProposedPath;
    return list.isEmpty() ? m_strLastFolder : QFileInfo(list).absolutePath();
}

QString CTablewrightDoc::ProposedSavePath() const
{
    if (!m_strPathName.isEmpty())
        return m_strPathName;
    if (!m_strProposedPath.isEmpty())
        return m_strProposedPath;
    return m_strLastFolder.isEmpty() ? m_strTitle : QDir(m_strLastFolder).filePath(m_strTitle);
}

QString CTablewrightDoc::ChooseFileToOpen(const QString& filter)
{
    const QString path = m_prompt.GetOpenFileName(filter, StartFolder());
    NoteFolderOf(path);
    return path;
}

QString CTablewrightDoc::ChooseListToOpen()
{
    return ChooseFileToOpen(QString::fromUtf8(Strings::kOpenFilter));
}

QString CTablewrightDoc::ChooseSavePath(const QString& filter, const QString& suffix,
                                        const QString& proposed)
{
    const QString path = m_prompt.GetSaveFileName(filter, suffix, proposed);
    NoteFolderOf(path);
    return path;
}

void CTablewrightDoc::NoteFolderOf(const QString& path)
{
    if (!path.isEmpty())
        m_strLastFolder = QFileInfo(path).absolutePath();
}

bool CTablewrightDoc::OpenDocumentFile(const QString& path)
{
    if (!SaveModified())
        return false;
    if (!OnOpenDocument(path))
        return false;
    SetPathName(path);
    return true;
}
