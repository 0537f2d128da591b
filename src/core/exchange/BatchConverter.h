#pragma once

#include "document/GridView.h"
#include "grid/GridListCtrl.h"
#include "platform/Progress.h"
#include "platform/UserPrompt.h"

#include <QString>
#include <QStringList>

#include <cstdio>

// Converts one file into another with no display, through the very commands
// the menus run: the document reads IN as Open or an import would and
// writes OUT as Save or an export would. Questions are answered from the
// command line; every message goes to the error stream as one line.
class CBatchConverter : private IUserPrompt, private IProgress, private IGridView
{
public:
    explicit CBatchConverter(std::FILE* errors = stderr) : m_errors(errors) {}

    // args: the arguments after "--convert". Returns the exit status.
    int Run(const QStringList& args);

private:
    enum class Input
    {
        List,
        Csv,
        Text
    };
    enum class Output
    {
        Unknown,
        List,
        Text,
        Csv,
        Html
    };
    static Input InputKind(const QString& path);
    static Output OutputKind(const QString& path);
    bool ParseOptions(const QStringList& args);
    int Fail(const QString& message);

    // IUserPrompt
    Answer MessageBox(const QString& text, Buttons buttons, Icon icon) override;
    QString GetOpenFileName(const QString& filter, const QString& startFolder) override;
    QString GetSaveFileName(const QString& filter, const QString& defaultSuffix,
                            const QString& proposedPath) override;
    // IProgress
    void SetProgress(int) override {}
    void SetStatusPaneText(int, const QString&) override {}
    // IGridView
    CGridListCtrl* GetGrid() override { return &m_grid; }
    int GoToLastItem() const override { return 0; }
    void SetLoadPending(bool) override {}

    std::FILE* m_errors;
    CGridListCtrl m_grid;
    QString m_in;
    QString m_out;
    bool m_csvHeader = false;
    bool m_csvExportHeader = true;
};
