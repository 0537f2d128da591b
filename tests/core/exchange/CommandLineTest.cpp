#include "exchange/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the command line asks for, as one line a table can hold.
std::string Describe(const CCommandLine& line)
{
    const CConversion& c = line.Conversion();
    const auto yesNo = [](bool answer) { return answer ? "yes" : "no"; };
    std::string sorts;
    for (const ConversionSort& sort : c.sorts) {
        static const char* const kOrders[] = {"", " alpha", " number", " natural"};
        sorts += " sort=" + std::to_string(sort.column) + (sort.descending ? " descending" : "") +
                 kOrders[static_cast<int>(sort.order)];
    }
    switch (line.GetMode()) {
    case CCommandLine::Mode::Edit:
        return "edit [" + line.File().toStdString() + "]";
    case CCommandLine::Mode::Convert:
        return "convert " + c.in.toStdString() + " -> " + c.out.toStdString() +
               " header=" + yesNo(c.csvHeader) + " export-header=" + yesNo(c.csvExportHeader) +
               sorts + (c.filter.isEmpty() ? "" : " filter=" + c.filter.toStdString()) +
               (c.filterColumn ? " in " + std::to_string(c.filterColumn) : "") +
               (c.matchCase ? " case" : "") + (c.wholeCell ? " whole" : "");
    case CCommandLine::Mode::Help:
        return "help";
    case CCommandLine::Mode::Version:
        return "version";
    case CCommandLine::Mode::Invalid:
        return line.Error().toStdString();
    }
    return "?";
}

struct LineCase
{
    QStringList arguments;
    std::string expected;
};

TEST(CommandLineTest, ReadsEveryWayToRun)
{
    const std::vector<LineCase> cases = {
        {{}, "edit []"},
        {{"liste.tbw"}, "edit [liste.tbw]"},
        {{"--", "-liste.tbw"}, "edit [-liste.tbw]"},
        {{"--help"}, "help"},
        {{"--version"}, "version"},
        {{"liste.tbw", "--version"}, "version"},
        {{"--help", "--foo"}, "help"},
        {{"--convert", "--version"}, "version"},
        {{"--convert", "a.csv", "b.tbw"}, "convert a.csv -> b.tbw header=no export-header=yes"},
        {{"a.csv", "--convert", "b.tbw"}, "convert a.csv -> b.tbw header=no export-header=yes"},
        {{"--convert", "a.csv", "b.csv", "--csv-header", "yes", "--csv-export-header", "no"},
         "convert a.csv -> b.csv header=yes export-header=no"},
        {{"--csv-export-header", "no", "--convert", "--csv-header", "yes", "a.csv", "b.csv"},
         "convert a.csv -> b.csv header=yes export-header=no"},
        {{"--convert", "a.csv", "b.csv", "--csv-header=yes", "--csv-export-header=no"},
         "convert a.csv -> b.csv header=yes export-header=no"},
        {{"--convert", "a.csv", "b.csv", "--csv-header", "yes", "--csv-header", "no"},
         "convert a.csv -> b.csv header=no export-header=yes"},
        {{"--convert", "--", "-a.csv", "--b.csv"},
         "convert -a.csv -> --b.csv header=no export-header=yes"},
        {{"--convert", "a.tbw", "b.csv", "--sort", "2"},
         "convert a.tbw -> b.csv header=no export-header=yes sort=2"},
        {{"--descending", "--convert", "a.tbw", "--sort=3", "b.csv"},
         "convert a.tbw -> b.csv header=no export-header=yes sort=3 descending"},
        {{"--sort", "1", "--convert", "a.tbw", "b.csv", "--sort", "007"},
         "convert a.tbw -> b.csv header=no export-header=yes sort=1 sort=7"},
        {{"--convert", "a.tbw", "b.csv", "--sort", "2", "--order", "number", "--descending",
          "--sort", "1", "--sort=3", "--order=natural"},
         "convert a.tbw -> b.csv header=no export-header=yes sort=2 descending number sort=1 "
         "sort=3 natural"},
        {{"--order", "alpha", "--convert", "a.tbw", "b.csv", "--sort", "2"},
         "convert a.tbw -> b.csv header=no export-header=yes sort=2 alpha"},
        {{"--convert", "a.tbw", "b.csv", "--sort", "99999999999"},
         "convert a.tbw -> b.csv header=no export-header=yes sort=2147483647"},
        {{"--convert", "a.tbw", "--sort", "1", "--", "--descending"},
         "convert a.tbw -> --descending header=no export-header=yes sort=1"},
        {{"--whole-cell", "--convert", "a.tbw", "b.csv", "--filter", "été", "--filter-column=2",
          "--match-case"},
         "convert a.tbw -> b.csv header=no export-header=yes filter=été in 2 case whole"},
        {{"--convert", "a.tbw", "b.csv", "--filter=-5", "--sort", "1"},
         "convert a.tbw -> b.csv header=no export-header=yes sort=1 filter=-5"},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(Describe(CCommandLine(c.arguments)), c.expected);
    }
}

TEST(CommandLineTest, SaysExactlyWhatIsWrong)
{
    const std::vector<LineCase> cases = {
        {{"--foo"}, "quire : option inconnue : --foo"},
        {{"-h"}, "quire : option inconnue : -h"},
        {{"-"}, "quire : option inconnue : -"},
        {{"--help=oui"}, "quire : option inconnue : --help=oui"},
        {{"--convert", "a.csv", "b.tbw", "--foo"}, "quire : option inconnue : --foo"},
        {{"--foo", "--help"}, "quire : option inconnue : --foo"},
        {{"--convert", "a.csv", "b.tbw", "--csv-header", "maybe"},
         "quire : valeur incorrecte pour --csv-header : maybe (yes ou no attendu)"},
        {{"--convert", "a.csv", "b.tbw", "--csv-export-header=YES"},
         "quire : valeur incorrecte pour --csv-export-header : YES (yes ou no attendu)"},
        {{"--convert", "a.csv", "b.tbw", "--csv-header"},
         "quire : valeur manquante pour --csv-header (yes ou no attendu)"},
        {{"--convert", "a.csv", "b.tbw", "--csv-header="},
         "quire : valeur manquante pour --csv-header (yes ou no attendu)"},
        {{"--convert", "a.csv", "--csv-header", "--csv-export-header", "no", "b.tbw"},
         "quire : valeur manquante pour --csv-header (yes ou no attendu)"},
        {{"--convert"}, "quire : --convert attend un fichier d'ENTRÉE et un fichier de SORTIE"},
        {{"--convert", "a.csv"}, "quire : --convert attend un fichier de SORTIE après a.csv"},
        {{"--convert", "a.csv", "--csv-header", "yes"},
         "quire : --convert attend un fichier de SORTIE après a.csv"},
        {{"--convert", "a.csv", "b.tbw", "c.txt"}, "quire : argument en trop : c.txt"},
        {{"a.tbw", "b.tbw"}, "quire : argument en trop : b.tbw"},
        {{"a.csv", "--csv-header", "yes"}, "quire : --csv-header ne s'emploie qu'avec --convert"},
        {{"a.tbw", "--sort=2"}, "quire : --sort ne s'emploie qu'avec --convert"},
        {{"a.tbw", "--descending"}, "quire : --descending ne s'emploie qu'avec --convert"},
        {{"--convert", "a.tbw", "b.csv", "--descending"},
         "quire : --descending ne s'emploie qu'avec --sort"},
        {{"--convert", "a.tbw", "b.csv", "--order", "number"},
         "quire : --order ne s'emploie qu'avec --sort"},
        {{"--convert", "a.tbw", "b.csv", "--sort", "1", "--order", "numeric"},
         "quire : valeur incorrecte pour --order : numeric (alpha, number ou natural attendu)"},
        {{"a.tbw", "--filter", "x"}, "quire : --filter ne s'emploie qu'avec --convert"},
        {{"--convert", "a.tbw", "b.csv", "--filter-column", "2"},
         "quire : --filter-column ne s'emploie qu'avec --filter"},
        {{"--convert", "a.tbw", "b.csv", "--whole-cell", "--match-case"},
         "quire : --match-case ne s'emploie qu'avec --filter"},
        {{"--convert", "a.tbw", "b.csv", "--filter"},
         "quire : valeur manquante pour --filter (texte des lignes à garder attendu)"},
        {{"--convert", "a.tbw", "b.csv", "--filter", "x", "--filter-column", "0"},
         "quire : valeur incorrecte pour --filter-column : 0 (numéro de colonne attendu, 1 pour "
         "la première)"},
        {{"--convert", "a.tbw", "b.csv", "--descending=yes", "--sort", "1"},
         "quire : option inconnue : --descending=yes"},
        {{"--convert", "a.tbw", "b.csv", "--sort"},
         "quire : valeur manquante pour --sort (numéro de colonne attendu, 1 pour la première)"},
        {{"--convert", "a.tbw", "b.csv", "--sort", "--descending"},
         "quire : valeur manquante pour --sort (numéro de colonne attendu, 1 pour la première)"},
        {{"--convert", "a.tbw", "b.csv", "--sort", "0"},
         "quire : valeur incorrecte pour --sort : 0 (numéro de colonne attendu, 1 pour la "
         "première)"},
        {{"--convert", "a.tbw", "b.csv", "--sort=-1"},
         "quire : valeur incorrecte pour --sort : -1 (numéro de colonne attendu, 1 pour la "
         "première)"},
        {{"--convert", "a.tbw", "b.csv", "--sort", "B"},
         "quire : valeur incorrecte pour --sort : B (numéro de colonne attendu, 1 pour la "
         "première)"},
        {{"--convert", "a.tbw", "b.csv", "--sort", "+2"},
         "quire : valeur incorrecte pour --sort : +2 (numéro de colonne attendu, 1 pour la "
         "première)"},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CCommandLine line(c.arguments);
        EXPECT_EQ(line.GetMode(), CCommandLine::Mode::Invalid);
        EXPECT_EQ(Describe(line), c.expected);
    }
}

TEST(CommandLineTest, HelpNamesEveryFormAndEveryType)
{
    const std::string usage = CCommandLine::Usage().toStdString();
    for (const char* piece :
         {"quire [FICHIER]",
          "quire --convert ENTRÉE SORTIE [--csv-header yes|no] "
          "[--csv-export-header yes|no]",
          "[--sort N [--descending] [--order alpha|number|natural]]...", "--sort N : trie",
          "--descending : trie", "--order : compare", "--help", "--version", ".tbw", ".csv", ".txt",
          ".tsv", ".html", "2 ligne de commande"})
        EXPECT_NE(usage.find(piece), std::string::npos) << piece;
    EXPECT_TRUE(usage.ends_with("\n"));
    EXPECT_EQ(CCommandLine::VersionLine().toStdString(), "Quire 1.6");
    EXPECT_NE(CCommandLine::HelpHint().toStdString().find("quire --help"), std::string::npos);
}

} // namespace
