#include "ScriptedHost.h"

#include "BenchFiles.h"

#include <cstdio>

// The CSV import and export ask about the header row: the benchmark files
// always have one.
IUserPrompt::Answer ScriptedHost::Ask(Question, const QString&)
{
    return Answer::Yes;
}

IUserPrompt::Answer ScriptedHost::MessageBox(const QString& text, Buttons buttons, Icon)
{
    std::fprintf(stderr, "quire_bench: %s\n", qPrintable(text.simplified()));
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

BenchDocument::BenchDocument()
{
    doc.OnNewDocument();
}

void OpenGeneratedList(BenchDocument& list, const BenchFiles& files)
{
    Require(list.doc.OpenDocumentFile(files.Input("tbw")), "opening the list document failed");
    Require(list.Grid().GetItemCount() >= files.rows, "the list document has too few rows");
}

TellingList::TellingList(const BenchFiles& files)
{
    Require(doc.OpenDocumentFile(files.Input("tbw")), "opening the list document failed");
    Require(doc.GetGrid().GetItemCount() >= files.rows, "the list document has too few rows");
}
