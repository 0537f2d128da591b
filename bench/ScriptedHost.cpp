#include "ScriptedHost.h"

#include <cstdio>

IUserPrompt::Answer ScriptedHost::MessageBox(const QString& text, Buttons buttons, Icon)
{
    // The CSV import and export ask about the header row: the benchmark
    // files always have one.
    if (buttons == Buttons::YesNo)
        return Answer::Yes;
    std::fprintf(stderr, "quire_bench: %s\n", qPrintable(text.simplified()));
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

BenchDocument::BenchDocument()
{
    doc.SetView(&host);
    doc.OnNewDocument();
}
