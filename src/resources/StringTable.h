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
inline constexpr char kReadingStoppable[] = "Lecture en cours : Échap pour l'arrêter.";
inline constexpr char kReadStopped[] = "Lecture arrêtée : la liste n'a pas changé.";
inline constexpr char kCannotWriteFile[] = "Impossible d'enregistrer le fichier « %1 » :\n%2";
inline constexpr char kNotAList[] =
    "Le fichier « %1 » n'est pas une liste Quire : il n'a pas été ouvert.";
// Reasons given after the messages above.
inline constexpr char kIsAFolder[] = "c'est un dossier, pas un fichier.";
inline constexpr char kNotARegularFile[] =
    "ce n'est pas un fichier ordinaire (tube nommé, périphérique ou prise).";
// What the system answered when a file could not be opened, read or written.
inline constexpr char kDiskFull[] = "le disque est plein.";
inline constexpr char kQuotaExceeded[] = "le quota d'espace disque est atteint.";
inline constexpr char kReadOnlyDisk[] = "le disque est en lecture seule.";
inline constexpr char kAccessDenied[] = "l'accès est refusé.";
inline constexpr char kNameTooLong[] = "le nom du fichier est trop long.";
inline constexpr char kFolderMissing[] = "le dossier n'existe pas.";
inline constexpr char kFileMissing[] = "le fichier n'existe pas.";
inline constexpr char kPathNotAFolder[] = "un élément du chemin n'est pas un dossier.";
inline constexpr char kFileTooBig[] = "le fichier dépasse la taille permise.";
inline constexpr char kDiskFault[] = "erreur d'entrée-sortie sur le disque.";
inline constexpr char kTooManyOpenFiles[] = "trop de fichiers sont ouverts.";
inline constexpr char kTooManyLinks[] = "trop de liens symboliques dans le chemin.";
inline constexpr char kFileBusy[] = "le fichier est occupé.";
inline constexpr char kOutOfMemory[] = "la mémoire est insuffisante.";
inline constexpr char kBadFileName[] = "le nom du fichier n'est pas valide.";
inline constexpr char kNoReasonGiven[] = "le système n'en a pas donné la raison.";
inline constexpr char kSystemErrorNumber[] = "erreur du système n° %1.";

// 61355, 61356: the current cell in the status bar, "Ligne 3, Colonne 2".
inline constexpr char kRow[] = "Ligne";
inline constexpr char kColumn[] = "Colonne";

// 61354, 61460, 61461: the column commands.
inline constexpr char kDeleteColumnQuestion[] = "Colonne d'effacement '%1'?";
inline constexpr char kEditColumnCaption[] = "Éditer le texte de colonne";
inline constexpr char kNewColumnName[] = "Nouvelle colonne";

// The Find, Replace and Entry dialogs (107, 106, 105). The caller of the
// Entry dialog normally gives its own caption.
inline constexpr char kFindCaption[] = "Rechercher";
inline constexpr char kFindButton[] = "Rechercher";
inline constexpr char kReplaceCaption[] = "Remplacer";
inline constexpr char kReplaceAllButton[] = "Remplacer tout";
inline constexpr char kCancelButton[] = "Annuler";
inline constexpr char kFindLabel[] = "Rechercher :";
inline constexpr char kReplaceLabel[] = "Remplacer par :";
inline constexpr char kWholeWord[] = "Mot entier seulement";
inline constexpr char kMatchCase[] = "Respecter la casse";

// The filter bar and the rows it shows.
inline constexpr char kFilterLabel[] = "Filtrer :";
inline constexpr char kFilterAllColumns[] = "Toutes les colonnes";
inline constexpr char kFilterClose[] = "Supprimer le filtre";
inline constexpr char kRowsShownOne[] = "%1 ligne sur %2";
inline constexpr char kRowsShownMany[] = "%1 lignes sur %2";
inline constexpr char kStatisticsCount[] = "Nombre : %1";
inline constexpr char kStatisticsSumAndMean[] = " · Somme : %1 · Moyenne : %2";
inline constexpr char kEntryCaption[] = "Entry";
inline constexpr char kNotFound[] = "De la corde de recherche n'a pas été trouvée"; // 61352

// The launch items on top of the row menu (61357 to 61359).
inline constexpr char kOpenLink[] = "Ouvrir le lien";
inline constexpr char kRunCommand[] = "Courir la commande";
inline constexpr char kOpenFolder[] = "Ouvrir le dossier";
inline constexpr char kOkButton[] = "OK";
inline constexpr char kSortTitle[] = "Trier";
inline constexpr char kSortFirstKey[] = "Trier &par";
inline constexpr char kSortNextKey[] = "Puis par";
inline constexpr char kSortNoKey[] = "(aucune)";
inline constexpr char kSortAscending[] = "Croissant";
inline constexpr char kSortDescending[] = "Décroissant";
inline constexpr char kSortAlphabetic[] = "Alphabétique";
inline constexpr char kSortNumbers[] = "Nombres";
inline constexpr char kSortNatural[] = "Naturel";

// The steps of the history, as the Edit menu names them.
inline constexpr char kUndoMenu[] = "Annuler : %1";
inline constexpr char kRedoMenu[] = "Rétablir : %1";
inline constexpr char kHistoryBroken[] =
    "Cette étape ne peut pas être reprise : la liste n'est plus celle qu'elle a "
    "modifiée. La liste reste telle qu'elle est et l'historique des modifications "
    "est effacé.";

// The steps that change one cell.
inline constexpr char kModifyCell[] = "Modifier la cellule";
inline constexpr char kClearCell[] = "Effacer la cellule";
inline constexpr char kCutCell[] = "Couper la cellule";
inline constexpr char kPasteIntoCell[] = "Coller dans la cellule";

// The steps that change a range of cells.
inline constexpr char kPasteCells[] = "Coller les cellules";
inline constexpr char kClearCells[] = "Effacer les cellules";
inline constexpr char kCutCells[] = "Couper les cellules";
inline constexpr char kFillCells[] = "Remplir les cellules";

// The steps that change rows.
inline constexpr char kInsertRow[] = "Insérer une ligne";
inline constexpr char kAppendRows[] = "Ajouter des lignes";
inline constexpr char kDeleteRow[] = "Supprimer la ligne";
inline constexpr char kDeleteRows[] = "Supprimer les lignes";
inline constexpr char kMoveRow[] = "Déplacer la ligne";
inline constexpr char kSortRows[] = "Trier les lignes";
inline constexpr char kRemoveDuplicatesStep[] = "Supprimer les doublons";
inline constexpr char kNoDuplicateRows[] = "Aucune ligne en double";
inline constexpr char kDuplicateRowRemoved[] = "%1 ligne en double supprimée";
inline constexpr char kDuplicateRowsRemoved[] = "%1 lignes en double supprimées";

// The steps that change columns.
inline constexpr char kRenameColumn[] = "Renommer la colonne";
inline constexpr char kInsertColumn[] = "Insérer une colonne";
inline constexpr char kDeleteColumn[] = "Supprimer la colonne";
inline constexpr char kResizeColumn[] = "Modifier la largeur de colonne";
inline constexpr char kMoveColumns[] = "Déplacer les colonnes";

// 61462 and the About box.
inline constexpr char kVersion[] = "Version";
inline constexpr char kAboutCaption[] = "A propos de Quire...";
inline constexpr char kAboutDescription[] = "Éditeur de listes simples";
inline constexpr char kAboutCopyright[] = "© 2026 Tablewright";

// The help topics of "Comment...".
inline constexpr char kHelpEnterText[] = // 61246
    "Pour entrer un texte dans une cellule, simplement double-cliquez sur\n"
    "la cellule. Vous pourrez alors taper directement ou coller votre\n"
    "texte. Puis, vous appuyez sur la touche <entrée> pour valider ou pour annuler\n"
    "vous appuyez sur la touche <esc>. Vous pouvez passer d'une cellule\n"
    "à l'autre en utilisant la touche <tab>";
inline constexpr char kHelpInsertRow[] = // 61247
    "Pour commencer une nouvelle liste double-cliquer n'importe où dans une\n"
    " colonne existante. De nouvelles lignes seront automatiquement ajoutées\n"
    "à cet endroit.\n"
    "\n"
    "Pour insérer une ligne dans la liste, selectionnez une ligne au dessous ou\n"
    "au-dessus de l'endroit où vous voulez que soit la nouvelle ligne et appuyer\n"
    "sur le bouton de la barre d'outils 'Insérer une ligne au-dessus' ou 'Insérer \n"
    "une ligne au-dessous' ou faites un clic droit  et choisissez\n"
    "la commande correspondante dans le menu contextuel.";
inline constexpr char kHelpDeleteRow[] = // 61248
    "Pour supprimer une ligne, sélectionnez la ligne à supprimer\n"
    "et appuyez sur le bouton 'Supprimer une ligne' de la barre d'outils\n"
    "ou faites un clic droit et choisissez la commande correspondante\n"
    "dans le menu contextuel.";
inline constexpr char kHelpRenameColumn[] = // 61249
    "Pour renommer une colonne, faites un clic droit sur la\n"
    "colonne que vous voulez modifier et choisissez Renommer la colonne\n"
    "dans le menu contextuel. Un nouveau nom va vous être demandé.";
inline constexpr char kHelpInsertColumn[] = // 61350
    "Pour insérer une colonne, faites un clic droit sur la colonne\n"
    "à gauche ou à droite de l'endroit où vous voulez insérer\n"
    "la colonne et choisissez Insérer une colonne avant ou\n"
    "Insérer une colonne après dans le menu contextuel\n"
    "Une nouvelle colonne sera insérée que vous pourrez renommer.";
inline constexpr char kHelpDeleteColumn[] = // 61351
    "Pour supprimer une colonne, faites un clic droit sur la colonne\n"
    "que vous voulez supprimer et choisissez Supprimer la colonne\n"
    "dans le menu contextuel. Pour être sûr, il vous sera demandé de\n"
    " confirmer la suppression.";

// Starting the program.
inline constexpr char kNoDisplay[] =
    "Quire a besoin d'un écran graphique : aucun n'est disponible (DISPLAY et "
    "WAYLAND_DISPLAY sont vides). Lancez Quire depuis une session graphique, ou sous "
    "xvfb-run.";

// The command line: "quire --help", and what is wrong with a command line.
inline constexpr char kUsage[] =
    "Utilisation :\n"
    "  quire [FICHIER]\n"
    "      ouvre FICHIER, une liste ou un fichier CSV ou texte (.csv, .tsv, .tab,\n"
    "      .txt) enregistré ensuite tel quel ; sinon une nouvelle liste\n"
    "  quire --convert ENTRÉE SORTIE [--csv-header yes|no] [--csv-export-header yes|no]\n"
    "                [--filter TEXTE [--filter-column N] [--match-case] [--whole-cell]]\n"
    "                [--sort N [--descending] [--order alpha|number|natural]]...\n"
    "      convertit ENTRÉE en SORTIE, sans fenêtre\n"
    "  quire --help       affiche cette aide\n"
    "  quire --version    affiche la version\n"
    "\n"
    "L'extension des fichiers de --convert choisit leur type :\n"
    "  ENTRÉE : .csv fichier CSV, .txt, .tsv ou .tab texte (séparateur TAB),\n"
    "           .tbw ou toute autre extension liste Quire\n"
    "  SORTIE : .tbw liste Quire, .csv fichier CSV, .txt, .tsv ou .tab texte\n"
    "           (séparateur TAB), .html tableau HTML, .pdf pages imprimées\n"
    "  --csv-header : la première ligne du CSV lu nomme les colonnes (no par défaut)\n"
    "  --csv-export-header : le CSV écrit commence par les noms des colonnes\n"
    "                        (yes par défaut)\n"
    "  --filter TEXTE : n'écrit que les lignes dont une cellule contient TEXTE,\n"
    "                   sans tenir compte de la casse (avant le tri)\n"
    "  --filter-column N : ne cherche TEXTE que dans la colonne N\n"
    "  --match-case : respecte la casse\n"
    "  --whole-cell : la cellule entière doit être TEXTE\n"
    "  --sort N : trie les lignes par la colonne N (1 pour la première) avant\n"
    "             d'écrire, comme un clic sur son en-tête ; les lignes vides de la\n"
    "             fin restent à la fin\n"
    "  --descending : trie dans l'ordre décroissant, comme un second clic\n"
    "  --order : compare les cellules dans l'ordre alphabétique français (alpha),\n"
    "            par valeur numérique (number) ou avec les nombres dans le texte\n"
    "            par valeur (natural, ligne2 avant ligne10) ; les cellules vides\n"
    "            vont à la fin\n"
    "  Plusieurs --sort trient d'abord par le premier ; --descending et --order\n"
    "  s'appliquent au --sort qui les précède.\n"
    "\n"
    "Code de sortie : 0 réussite, 1 échec, 2 ligne de commande incorrecte.\n";
inline constexpr char kCommandLineError[] = "quire : %1";
inline constexpr char kHelpHint[] = "Essayez « quire --help » pour en savoir plus.";
inline constexpr char kUnknownOption[] = "option inconnue : %1";
inline constexpr char kMissingValue[] = "valeur manquante pour %1 (%2)";
inline constexpr char kBadValue[] = "valeur incorrecte pour %1 : %2 (%3)";
inline constexpr char kYesOrNoExpected[] = "yes ou no attendu";
inline constexpr char kFilterTextExpected[] = "texte des lignes à garder attendu";
inline constexpr char kColumnNumberExpected[] = "numéro de colonne attendu, 1 pour la première";
inline constexpr char kSortOrderExpected[] = "alpha, number ou natural attendu";
inline constexpr char kExtraArgument[] = "argument en trop : %1";
inline constexpr char kOptionOnlyWith[] = "%1 ne s'emploie qu'avec %2";
inline constexpr char kMissingConvertFiles[] =
    "--convert attend un fichier d'ENTRÉE et un fichier de SORTIE";
inline constexpr char kMissingConvertOutput[] = "--convert attend un fichier de SORTIE après %1";

// CSV import and export speak English.
inline constexpr char kCsvCheckFilename[] = "Check filename and try again";
inline constexpr char kCsvParserFailed[] = "Failed to initialize CSV parser for this file";
inline constexpr char kCsvHeaderQuestion[] =
    "Is the first row in the csv file a header?\n"
    "If you don't know, choose No, then rename columns manually if necessary or desired.";
inline constexpr char kCsvExportHeaderQuestion[] =
    "Do you want the headers to be the first row? Some apps may not support this.";
inline constexpr char kCsvColumnName[] = "Column %1";

// CSV and tab-separated files opened as documents.
inline constexpr char kFileChangedReload[] =
    "« %1 » a été modifié par un autre programme. Recharger ?";
inline constexpr char kUnsavedChangesLost[] =
    "\nLes modifications non enregistrées dans Quire seront perdues.";
inline constexpr char kFileChangedOverwrite[] =
    "« %1 » a été modifié par un autre programme depuis son ouverture.\n"
    "L'enregistrer quand même et remplacer ces modifications ?";
inline constexpr char kSaveInUtf8[] =
    "Le codage %1 de « %2 » ne peut pas contenir certains caractères de la liste "
    "(émoticônes, idéogrammes…).\nL'enregistrer en UTF-8 ?";
inline constexpr char kNotSavedEncoding[] =
    "« %1 » n'a pas été enregistré : son codage %2 ne peut pas contenir certains caractères "
    "de la liste.";
inline constexpr char kCsvOptionsTitle[] = "Options CSV";
inline constexpr char kSeparatorLabel[] = "&Séparateur :";
inline constexpr char kEncodingLabel[] = "&Codage :";
inline constexpr char kLineEndLabel[] = "&Fins de ligne :";
inline constexpr char kQuoteEveryField[] = "&Mettre chaque champ entre guillemets";
inline constexpr char kSeparatorComma[] = "Virgule ( , )";
inline constexpr char kSeparatorSemicolon[] = "Point-virgule ( ; )";
inline constexpr char kSeparatorTab[] = "Tabulation";
inline constexpr char kSeparatorBar[] = "Barre verticale ( | )";
inline constexpr char kLineEndCrLf[] = "CRLF (Windows)";
inline constexpr char kLineEndLf[] = "LF (Linux, macOS)";
inline constexpr char kLineEndCr[] = "CR (anciens Mac)";
inline constexpr char kWithByteOrderMark[] = "%1 avec BOM";
inline constexpr char kTabName[] = "Tab";
inline constexpr char kCsvKind[] = "CSV";
inline constexpr char kTextKind[] = "Texte";

// File chooser filters, in Qt's form.
inline constexpr char kListFilter[] = "Tablewright Files (*.tbw)";
inline constexpr char kListOpenFilter[] = "Tablewright Files (*.tbw);;Tous les fichiers (*.*)";
inline constexpr char kTextFilter[] = "Text files (*.txt);;All Files (*.*)";
inline constexpr char kCsvFilter[] = "CSV files (*.csv);;All Files (*.*)";
inline constexpr char kHtmlFilter[] = "HTML files (*.html);;All Files (*.*)";
inline constexpr char kOpenFilter[] =
    "Listes et tableaux (*.tbw *.csv *.tsv *.tab *.txt);;Tablewright Files (*.tbw);;"
    "CSV (*.csv);;Texte tabulé (*.tsv *.tab *.txt);;Tous les fichiers (*.*)";
inline constexpr char kCsvDocumentFilter[] = "CSV (*.csv)";
inline constexpr char kTabbedDocumentFilter[] = "Texte tabulé (*.tsv *.tab *.txt)";

// The spreadsheet moves: fills of a range from its edge, and rows inserted
// by the range.
inline constexpr char kFillDown[] = "Recopier vers le bas";
inline constexpr char kFillRight[] = "Recopier à droite";
inline constexpr char kInsertRows[] = "Insérer des lignes";

// Regular expressions in Find, Replace and the filter bar.
inline constexpr char kRegularExpression[] = "Expression régulière";
inline constexpr char kBadPattern[] = "Expression régulière incorrecte : %1";
inline constexpr char kBadPatternAt[] = "Expression régulière incorrecte (caractère %1)";
// Reasons given after kBadPattern.
inline constexpr char kPatternOpenParenthesis[] = "parenthèse non fermée";
inline constexpr char kPatternStrayParenthesis[] = "parenthèse fermante sans ouvrante";
inline constexpr char kPatternOpenBracket[] = "crochet non fermé";
inline constexpr char kPatternEndBackslash[] = "barre oblique inverse à la fin";
inline constexpr char kPatternUnknownEscape[] = "séquence d'échappement inconnue";
inline constexpr char kPatternNothingToRepeat[] = "répétition sans rien à répéter";
inline constexpr char kPatternBracesOrder[] = "nombres dans le désordre entre accolades";
inline constexpr char kPatternBracesTooBig[] = "nombre trop grand entre accolades";
inline constexpr char kPatternRangeOrder[] = "intervalle à l'envers entre crochets";
inline constexpr char kPatternNoSuchGroup[] = "référence à un groupe qui n'existe pas";
inline constexpr char kPatternLookbehindLength[] =
    "un regard en arrière doit avoir une longueur fixe";
inline constexpr char kPatternTooCostly[] =
    "L'expression régulière demande trop de calculs sur une cellule : la recherche a été "
    "arrêtée et rien n'a été modifié.";

} // namespace Strings
