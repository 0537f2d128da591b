#pragma once

// Quire's own texts, by the numbers the rest of the program knows them by.
// Message boxes and menus take their words from here.
namespace Strings {

inline constexpr char kAppName[] = "Quire";
inline constexpr char kUntitled[] = "Sans titre";

// 61353: opening a list written by a newer version.
inline constexpr char kNewerVersionWarning[] =
    "Avertissement: Vous ouvrez une liste créée avec un plus nouveau version\n"
    "than vous employez actuellement. L'interprétation du file\n"
    "format peut être incorrecte si de nouveaux dispositifs étaient récemment ajoutés.  ";

inline constexpr char kSaveChangesPrompt[] = "Enregistrer les modifications de « %1 » ?";
inline constexpr char kCannotOpenFile[] = "Impossible d'ouvrir le fichier « %1 » :\n%2";
inline constexpr char kCannotReadFile[] = "Impossible de lire le fichier « %1 » :\n%2";
inline constexpr char kCannotWriteFile[] = "Impossible d'enregistrer le fichier « %1 » :\n%2";

// CSV import and export speak English.
inline constexpr char kCsvCheckFilename[] = "Check filename and try again";
inline constexpr char kCsvParserFailed[] = "Failed to initialize CSV parser for this file";
inline constexpr char kCsvHeaderQuestion[] =
    "Is the first row in the csv file a header?\n"
    "If you don't know, choose No, then rename columns manually if necessary or desired.";
inline constexpr char kCsvExportHeaderQuestion[] =
    "Do you want the headers to be the first row? Some apps may not support this.";
inline constexpr char kCsvColumnName[] = "Column %1";

// File chooser filters, in Qt's form.
inline constexpr char kListFilter[] = "Tablewright Files (*.tbw)";
inline constexpr char kTextFilter[] = "Text files (*.txt);;All Files (*.*)";
inline constexpr char kCsvFilter[] = "CSV files (*.csv);;All Files (*.*)";
inline constexpr char kHtmlFilter[] = "HTML files (*.html);;All Files (*.*)";

} // namespace Strings
