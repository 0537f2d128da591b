#pragma once

#include "document/DelimitedFile.h"
#include "edit/EditHistory.h"
#include "edit/RowFilter.h"
#include "edit/SortState.h"
#include "exchange/FileFormats.h"
#include "grid/GridListCtrl.h"
#include "io/TextEncoding.h"
#include "io/TextSource.h"

#include <QString>

#include <functional>
#include <memory>

class IProgress;
class IUserPrompt;

// The one document: the list itself, its file, title and modified flag,
// and the commands that fill the list from files and write it to files.
// Views show the list; they never own it, so a file can be read before any
// window exists.
class CTablewrightDoc
{
public:
    CTablewrightDoc(IUserPrompt& prompt, IProgress& progress);

    CGridListCtrl& GetGrid() { return m_grid; }
    const CGridListCtrl& GetGrid() const { return m_grid; }
    // Non-zero: after a list is read, its last row is scrolled into view.
    void SetGoToLastItem(int goToLastItem) { m_bGoToLastItem = goToLastItem; }
    IUserPrompt& Prompt() const { return m_prompt; }
    IProgress& Progress() const { return m_progress; }
    // The filter the rows shown were chosen by; an empty text shows every
    // row. Setting it filters the list again. A new list drops it. A
    // pattern that fails (see CTextMatcher::Failure) leaves the filter and
    // the rows shown as they were: SetFilter tells the user why and returns
    // false, TrySetFilter returns why for its caller to show, empty when the
    // filter was set.
    const RowFilter& Filter() const { return m_filter; }
    bool SetFilter(const RowFilter& filter);
    QString TrySetFilter(const RowFilter& filter);
    // The direction the next click on a column's header sorts in.
    SortState& HeaderSort() { return m_headerSort; }
    const SortState& HeaderSort() const { return m_headerSort; }

    // Changes to the list and their history. Execute applies a change and
    // makes it the step to undo; the modified flag follows the clean point,
    // the list as it was last saved or read. A step that finds the list
    // changed under it is told to the user and the history forgotten, the
    // list left modified.
    bool Execute(std::unique_ptr<CEditCommand> command);
    bool Undo();
    bool Redo();
    const CEditHistory& History() const { return m_history; }
    // A command that left the list as it was makes no step, but the list
    // is marked changed all the same, as every command always has, until
    // the history next moves.
    void MarkChangedWithoutStep();
    // Rows appended at the end for an edit to come (a double-click below the
    // list, Tab past its end, typing on a list without rows). The edit's
    // step takes them in when its text is stored (TakeRowsAppendedForEdit
    // gives the change that does so, null when none are waiting); when the
    // edit is dropped they go again, so that nothing changes the list
    // outside the history.
    void AppendRowsForEdit(int count);
    std::unique_ptr<CEditCommand> TakeRowsAppendedForEdit();
    void DropRowsAppendedForEdit();

    // File, title and modified flag.
    const QString& GetPathName() const { return m_strPathName; }
    void SetPathName(const QString& path);
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title);
    // True while the list differs from the history's clean point: the list
    // as it was last read, saved or made new.
    bool IsModified() const { return !m_history.IsClean(); }
    // Called after each change of the title, of the history or of the
    // modified flag, so that the window title and the Edit menu can follow.
    void SetStateListener(std::function<void()> listener) { m_stateListener = std::move(listener); }
    TextEncoding FileEncoding() const { return m_encoding; }
    // The kind of file the document is: a list, or a CSV or tab-separated
    // file opened as itself and written back in its own dialect.
    FileFormat Format() const { return m_format; }
    // The dialect of a CSV or text document; null for a list.
    const CsvDialect* Dialect() const;
    // What the status bar tells of the file (« CSV ; · UTF-8 · CRLF »);
    // empty for a list.
    QString DialectText() const;
    // True when another program changed or removed the document's file
    // since it was read or last written.
    bool ChangedOnDisk() const;
    // When the program comes back to the front: asks, once for each change
    // another program made to the file, whether to read it again, and does
    // so. True when the file was read again.
    bool OfferReload();
    // The path Save As proposes for a list that has no file of its own yet.
    const QString& ProposedPath() const { return m_strProposedPath; }

    // Document life cycle.
    bool OnNewDocument();
    bool OnOpenDocument(const QString& path);
    // Saves in the document's own format and dialect; SaveAs in the ones
    // given, which the document takes on.
    bool OnSaveDocument(const QString& path);
    bool SaveAs(const QString& path, FileFormat format, CsvDialect dialect);
    void OnCloseDocument();
    void ClearGrid();
    bool LoadList(const QString& path);

    // What the application does around them: ask to save changes, save
    // (asking for a name when there is none), open a file in this document.
    bool SaveModified();
    bool DoFileSave();
    bool DoFileSaveAs();
    bool DoSave(const QString& path);
    bool OpenDocumentFile(const QString& path);
    // Asks for a list to open, starting in the list's folder.
    QString ChooseListToOpen();
    // The folder file choosers start in: the current list's, else the last
    // one a file was chosen in.
    QString StartFolder() const;

    // Import and export commands: the menu's ask for the file and the
    // format's question, Import and Export take the path; Export asks the
    // question still.
    bool OnImport(FileFormat format);
    bool Import(FileFormat format, const QString& path);
    bool OnExport(FileFormat format);
    bool Export(FileFormat format, const QString& path);

    // True when the grid content came from a file.
    bool m_bLoaded = false;

private:
    // Open the file for reading, or tell the user why not.
    bool OpenSource(const QString& path, CTextSource& source,
                    CTextSource::Utf8Check check = CTextSource::Utf8Check::OnOpen);
    bool OpenList(const QString& path, CTextSource& source);
    bool ReadList(const QString& path, CTextSource& source);
    bool OpenDelimited(const FileFormatEntry& format, const QString& path);
    bool SaveList(const QString& path);
    bool SaveDelimited(const QString& path, CsvDialect dialect);
    // The format and dialect to write path in, « Options CSV » asked when
    // ask; false when the user cancels.
    bool ChooseSaveFormat(const QString& path, bool ask, FileFormat& format, CsvDialect& dialect);
    QString SaveAsFilter() const;
    // Asks before a save replaces what another program wrote.
    bool MayOverwrite(const QString& path);
    void AfterSave(const QString& path);
    void AfterImport(const QString& path, TextEncoding encoding);
    void AfterRead();
    void NotifyState() const;
    // How a read into the document ended.
    enum class FillResult
    {
        Whole,
        // The reader gave up (a CSV file it cannot parse): its rows, if
        // any, are the list now.
        Partial,
        // A disk error, reported, or Échap: the list is as it was.
        Abandoned,
    };
    // Fills a grid apart with fill from the opened source, the list shown
    // meanwhile, and puts it in place of the list unless the read was
    // abandoned.
    FillResult FillGrid(const QString& path, CTextSource& source,
                        const std::function<bool(CGridListCtrl&)>& fill);
    void ReportOpenFailure(const QString& path, const CTextSource& source);
    void ReportWriteFailure(const QString& path, const QString& reason);
    QString ChooseExportPath(const FileFormatEntry& format);
    // True when the user answers Yes to the question; no question is No.
    bool Agrees(const std::optional<FormatQuestion>& question);
    QString ChooseFileToOpen(const QString& filter);
    QString ChooseSavePath(const QString& filter, const QString& suffix, const QString& proposed);
    void NoteFolderOf(const QString& path);
    // Where Save As proposes to write the list.
    QString ProposedSavePath() const;

    IUserPrompt& m_prompt;
    IProgress& m_progress;
    // Starts a fresh history at the list as it now stands.
    void ForgetHistory();

    CGridListCtrl m_grid;
    CEditHistory m_history;
    bool TakeStep(CEditHistory::Outcome outcome);

    int m_nRowsAppendedForEdit = 0;
    int m_nRowsBeforeEdit = 0;
    int m_bGoToLastItem = 0;
    QString m_strPathName;
    QString m_strTitle;
    QString m_strProposedPath;
    QString m_strLastFolder;
    std::function<void()> m_stateListener;
    SortState m_headerSort;
    RowFilter m_filter;
    TextEncoding m_encoding = TextEncoding::Utf8;
    FileFormat m_format = FileFormat::List;
    CDelimitedFile m_delimited;
    // The file as it was read or last written, and the last change of it
    // the user was asked about.
    FileStamp m_stamp;
    FileStamp m_stampAsked;
};
