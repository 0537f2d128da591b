#include "exchange/BatchConverter.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

void PrintUsage()
{
    std::fputs("Quire 1.6 - éditeur de listes\n"
               "usage : quire --convert ENTRÉE SORTIE [--csv-header yes|no] "
               "[--csv-export-header yes|no]\n"
               "  ENTRÉE : .tbw (liste), .csv (import CSV), .txt ou .tsv (import texte)\n"
               "  SORTIE : .tbw (liste), .txt ou .tsv (texte), .csv (CSV), .html (tableau HTML)\n",
               stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (!args.isEmpty() && args.front() == QLatin1String("--convert"))
        return CBatchConverter().Run(args.mid(1));
    PrintUsage();
    return 0;
}
