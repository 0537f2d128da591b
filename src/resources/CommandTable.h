#pragma once

#include "resources/StringTable.h"

// Every command of the menu bar, the toolbar and the accelerators, declared
// once: the main window builds its actions, menus and toolbar from these
// tables.
namespace Commands {

enum Id : int
{
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_IMPORT_TEXT = 32804,
    ID_FILE_IMPORT_CSV = 32814,
    ID_FILE_EXPORT_TEXT = 32796,
    ID_FILE_EXPORT_CSV = 32815,
    ID_FILE_EXPORT_HTML = 32795,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_ASSOCIATE = 32810,
    ID_FILE_MRU_FILE1 = 57616,
    ID_FILE_MRU_FILE2 = 57617,
    ID_FILE_MRU_FILE3 = 57618,
    ID_FILE_MRU_FILE4 = 57619,
    ID_APP_EXIT = 57665,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_EDIT_CUT = 57635,
    ID_EDIT_COPY = 57634,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_FILL_DOWN = 33100,
    ID_EDIT_FILL_RIGHT = 33101,
    ID_EDIT_FIND = 32799,
    ID_EDIT_FIND_NEXT = 32800,
    ID_EDIT_REPLACE = 32798,
    ID_TOOLBAR_FIND = 32801,
    ID_TOOLBAR_REPLACE = 32802,
    ID_EDIT_FILTER = 32816,
    ID_ROW_INSERT_ABOVE = 32786,
    ID_ROW_INSERT_BELOW = 32787,
    ID_ROW_DELETE = 32785,
    ID_ROW_MOVE_UP = 32807,
    ID_ROW_MOVE_DOWN = 32809,
    ID_COLUMN_RENAME = 32777,
    ID_COLUMN_INSERT_BEFORE = 32778,
    ID_COLUMN_INSERT_AFTER = 32779,
    ID_COLUMN_DELETE = 32780,
    ID_ROW_MENU_DELETE = 32781,
    ID_ROW_MENU_INSERT_ABOVE = 32782,
    ID_ROW_MENU_INSERT_BELOW = 32783,
    ID_ROW_MENU_FILTER_VALUE = 32817,
    ID_ROW_MENU_CLEAR_FILTER = 32818,
    ID_LAUNCH_LINK = 32811,
    ID_LAUNCH_COMMAND = 32812,
    ID_LAUNCH_FOLDER = 32813,
    ID_OPTION_SINGLE_CLICK = 32784,
    ID_OPTION_GO_TO_LAST = 32806,
    ID_OPTION_ENTER_MOVES_DOWN = 33102,
    ID_VIEW_ZOOM_IN = 33103,
    ID_VIEW_ZOOM_OUT = 33104,
    ID_VIEW_ZOOM_RESET = 33105,
    ID_HELP_ENTER_TEXT = 32792,
    ID_HELP_INSERT_ROW = 32793,
    ID_HELP_DELETE_ROW = 32794,
    ID_HELP_RENAME_COLUMN = 32789,
    ID_HELP_INSERT_COLUMN = 32790,
    ID_HELP_DELETE_COLUMN = 32791,
    ID_APP_ABOUT = 57664,
    ID_EDIT_SORT = 33000,
    ID_EDIT_REMOVE_DUPLICATES = 33001,
    ID_COLUMN_SORT = 33002,
};

inline constexpr int kRecentFileCount = 4;

struct Command
{
    Id id;
    const char* name;   // the action's object name
    const char* text;   // menu text; what follows a TAB is the shortcut shown
    const char* prompt; // status-bar prompt; a second line is the tool tip
    const char* icon;   // bundled icon, or nullptr
    bool checkable;
};

inline constexpr char kHelpPrompt[] = "Matière d'aide\nMatière d'aide";

// clang-format off
inline constexpr Command kCommands[] = {
    {ID_FILE_NEW, "ID_FILE_NEW", "&Nouveau\tCtrl+N", "Créer un nouveau document\nNouveau", "document-new", false},
    {ID_FILE_OPEN, "ID_FILE_OPEN", "&Ouvrir...\tCtrl+O", "Ouvrir un document existant\nOuvrir", "document-open", false},
    {ID_FILE_SAVE, "ID_FILE_SAVE", "&Enregistrer\tCtrl+S", "Enregistrer le document actif\nEnregistrer", "document-save", false},
    {ID_FILE_SAVE_AS, "ID_FILE_SAVE_AS", "En&registrer sous...", "Enregistrer le document actif sous un nouveau nom\nEnregistrer sous", nullptr, false},
    {ID_FILE_IMPORT_TEXT, "ID_FILE_IMPORT_TEXT", "Importer un fichier texte (séparateur TAB)", nullptr, nullptr, false},
    {ID_FILE_IMPORT_CSV, "ID_FILE_IMPORT_CSV", "Importer un fichier texte (séparateur CSV)", nullptr, nullptr, false},
    {ID_FILE_EXPORT_TEXT, "ID_FILE_EXPORT_TEXT", "Exporter en fichier texte (séparateur TAB)", nullptr, nullptr, false},
    {ID_FILE_EXPORT_CSV, "ID_FILE_EXPORT_CSV", "Exporter en fichier CSV", "Exporter la liste dans un fichier CSV\nExporter en fichier CSV", nullptr, false},
    {ID_FILE_EXPORT_HTML, "ID_FILE_EXPORT_HTML", "Exporter en tableau HTML", nullptr, nullptr, false},
    {ID_FILE_PRINT, "ID_FILE_PRINT", "&Imprimer...\tCtrl+P", "Imprimer le document actif\nImprimer", "document-print", false},
    {ID_FILE_PRINT_PREVIEW, "ID_FILE_PRINT_PREVIEW", "&Aperçu avant impression", "Afficher les pages en entier\nAperçu avant impression", nullptr, false},
    {ID_FILE_PRINT_SETUP, "ID_FILE_PRINT_SETUP", "Con&figuration de l'impression...", "Changer les options de l'imprimante et d'impression\nConfiguration de l'imprimante", nullptr, false},
    {ID_FILE_ASSOCIATE, "ID_FILE_ASSOCIATE", "Associé avec des dossiers de .tbw", nullptr, nullptr, false},
    {ID_FILE_MRU_FILE1, "ID_FILE_MRU_FILE1", "Fichiers récents", "Ouvrir ce document", nullptr, false},
    {ID_FILE_MRU_FILE2, "ID_FILE_MRU_FILE2", "", "Ouvrir ce document", nullptr, false},
    {ID_FILE_MRU_FILE3, "ID_FILE_MRU_FILE3", "", "Ouvrir ce document", nullptr, false},
    {ID_FILE_MRU_FILE4, "ID_FILE_MRU_FILE4", "", "Ouvrir ce document", nullptr, false},
    {ID_APP_EXIT, "ID_APP_EXIT", "&Quitter\tCtrl+Q", "Quitter l'application ; demander d'enregistrer les documents\nQuitter", nullptr, false},
    {ID_EDIT_UNDO, "ID_EDIT_UNDO", "Annuler\tCtrl+Z", "Annuler la dernière action\nAnnuler", nullptr, false},
    {ID_EDIT_REDO, "ID_EDIT_REDO", "Rétablir\tCtrl+Y", "Rétablir l'action précédemment annulée\nRétablir", nullptr, false},
    {ID_EDIT_CUT, "ID_EDIT_CUT", "Couper\tCtrl+X", "Couper le contenu de la cellule dans le presse-papier", "edit-cut", false},
    {ID_EDIT_COPY, "ID_EDIT_COPY", "Copier\tCtrl+C", "Copier le contenu de la celllule dans le presse-papier", "edit-copy", false},
    {ID_EDIT_PASTE, "ID_EDIT_PASTE", "Coller\tCtrl+V", "Coller le contenu du presse-papier dans la cellule", "edit-paste", false},
    {ID_EDIT_FILL_DOWN, "ID_EDIT_FILL_DOWN", "Recopier vers le bas\tCtrl+D", "Recopier la première ligne de la sélection dans les autres lignes\nRecopier vers le bas", nullptr, false},
    {ID_EDIT_FILL_RIGHT, "ID_EDIT_FILL_RIGHT", "Recopier à droite\tCtrl+R", "Recopier la première colonne de la sélection dans les autres colonnes\nRecopier à droite", nullptr, false},
    {ID_EDIT_FIND, "ID_EDIT_FIND", "Rechercher\tCtrl+F", "Rechercher", "edit-find", false},
    {ID_EDIT_FIND_NEXT, "ID_EDIT_FIND_NEXT", "Rechercher le suivant\tF3", "Rechercher le suivant", nullptr, false},
    {ID_EDIT_REPLACE, "ID_EDIT_REPLACE", "Remplacer\tCtrl+H", "Remplacer", "edit-find-replace", false},
    {ID_TOOLBAR_FIND, "ID_TOOLBAR_FIND", "Rechercher", nullptr, "edit-find", false},
    {ID_TOOLBAR_REPLACE, "ID_TOOLBAR_REPLACE", "Remplacer", nullptr, "edit-find-replace", false},
    {ID_EDIT_FILTER, "ID_EDIT_FILTER", "Filtrer les lignes\tCtrl+Shift+L", "Ne montrer que les lignes qui contiennent un texte\nFiltrer les lignes", "view-filter", true},
    {ID_EDIT_SORT, "ID_EDIT_SORT", "Trier…", "Trier les lignes par une à trois colonnes\nTrier", nullptr, false},
    {ID_EDIT_REMOVE_DUPLICATES, "ID_EDIT_REMOVE_DUPLICATES", "Supprimer les doublons", "Supprimer les lignes égales à une ligne précédente\nSupprimer les doublons", nullptr, false},
    {ID_COLUMN_SORT, "ID_COLUMN_SORT", "Trier…", nullptr, nullptr, false},
    {ID_ROW_INSERT_ABOVE, "ID_ROW_INSERT_ABOVE", "Insérer une ligne au-dessus", "Insérer une ligne au-dessus\nInsérer une ligne au-dessus", "row-insert-above", false},
    {ID_ROW_INSERT_BELOW, "ID_ROW_INSERT_BELOW", "Insérer une ligne au-dessous", "Insérer une ligne au-dessous\nInsérer une ligne au-dessous", "row-insert-below", false},
    {ID_ROW_DELETE, "ID_ROW_DELETE", "Supprimer une ligne", "Supprimer une ligne\nSupprimer une ligne", "row-delete", false},
    {ID_ROW_MOVE_UP, "ID_ROW_MOVE_UP", "Relevez ligne", "Relevez ligne\nRelevez ligne", "row-move-up", false},
    {ID_ROW_MOVE_DOWN, "ID_ROW_MOVE_DOWN", "Abaissez ligne", "Abaissez ligne\nAbaissez ligne", "row-move-down", false},
    {ID_COLUMN_RENAME, "ID_COLUMN_RENAME", "Renommer une colonne", nullptr, nullptr, false},
    {ID_COLUMN_INSERT_BEFORE, "ID_COLUMN_INSERT_BEFORE", "Insérer une colonne avant", nullptr, nullptr, false},
    {ID_COLUMN_INSERT_AFTER, "ID_COLUMN_INSERT_AFTER", "Insérer une colonne après", nullptr, nullptr, false},
    {ID_COLUMN_DELETE, "ID_COLUMN_DELETE", "Supprimer la colonne", nullptr, nullptr, false},
    {ID_ROW_MENU_DELETE, "ID_ROW_MENU_DELETE", "Supprimer la ligne", nullptr, nullptr, false},
    {ID_ROW_MENU_INSERT_ABOVE, "ID_ROW_MENU_INSERT_ABOVE", "Insérer une ligne au-dessus", nullptr, nullptr, false},
    {ID_ROW_MENU_INSERT_BELOW, "ID_ROW_MENU_INSERT_BELOW", "Insérer une ligne au-dessous", nullptr, nullptr, false},
    {ID_ROW_MENU_FILTER_VALUE, "ID_ROW_MENU_FILTER_VALUE", "Filtrer sur cette valeur", nullptr, nullptr, false},
    {ID_ROW_MENU_CLEAR_FILTER, "ID_ROW_MENU_CLEAR_FILTER", Strings::kFilterClose, nullptr, nullptr, false},
    {ID_LAUNCH_LINK, "ID_LAUNCH_LINK", Strings::kOpenLink, nullptr, nullptr, false},
    {ID_LAUNCH_COMMAND, "ID_LAUNCH_COMMAND", Strings::kRunCommand, nullptr, nullptr, false},
    {ID_LAUNCH_FOLDER, "ID_LAUNCH_FOLDER", Strings::kOpenFolder, nullptr, nullptr, false},
    {ID_OPTION_SINGLE_CLICK, "ID_OPTION_SINGLE_CLICK", "Utiliser la saisie d'un simple clic", nullptr, nullptr, true},
    {ID_OPTION_GO_TO_LAST, "ID_OPTION_GO_TO_LAST", "Allez À la Dernière Rangée Après Chargement", nullptr, nullptr, true},
    {ID_OPTION_ENTER_MOVES_DOWN, "ID_OPTION_ENTER_MOVES_DOWN", "Entrée passe à la cellule du dessous", "Après la saisie, la touche Entrée passe à la cellule du dessous", nullptr, true},
    {ID_VIEW_ZOOM_IN, "ID_VIEW_ZOOM_IN", "Zoom avant\tCtrl++", "Agrandir le texte de la liste\nZoom avant", nullptr, false},
    {ID_VIEW_ZOOM_OUT, "ID_VIEW_ZOOM_OUT", "Zoom arrière\tCtrl+-", "Réduire le texte de la liste\nZoom arrière", nullptr, false},
    {ID_VIEW_ZOOM_RESET, "ID_VIEW_ZOOM_RESET", "Taille normale\tCtrl+0", "Afficher le texte de la liste à sa taille normale\nTaille normale", nullptr, false},
    {ID_HELP_ENTER_TEXT, "ID_HELP_ENTER_TEXT", "Entrer un texte dans une cellule", kHelpPrompt, nullptr, false},
    {ID_HELP_INSERT_ROW, "ID_HELP_INSERT_ROW", "Insérer une ligne", kHelpPrompt, nullptr, false},
    {ID_HELP_DELETE_ROW, "ID_HELP_DELETE_ROW", "Supprimer une ligne", kHelpPrompt, nullptr, false},
    {ID_HELP_RENAME_COLUMN, "ID_HELP_RENAME_COLUMN", "Renommer une colonne", kHelpPrompt, nullptr, false},
    {ID_HELP_INSERT_COLUMN, "ID_HELP_INSERT_COLUMN", "Insérer une colonne", kHelpPrompt, nullptr, false},
    {ID_HELP_DELETE_COLUMN, "ID_HELP_DELETE_COLUMN", "Supprimer une colonne", kHelpPrompt, nullptr, false},
    {ID_APP_ABOUT, "ID_APP_ABOUT", "&A propos de Quire...", "Afficher des informations sur le programme, son numéro de version et son copyright\nA propos de", nullptr, false},
};
// clang-format on

// The menu bar, written out in order: a popup opens with its title and
// closes with kEnd.
struct MenuItem
{
    enum Kind
    {
        Command,
        Separator,
        Popup,
        End
    };
    Kind kind;
    int id;
    const char* title;
};

constexpr MenuItem Item(Id id)
{
    return {MenuItem::Command, id, nullptr};
}
constexpr MenuItem Popup(const char* title)
{
    return {MenuItem::Popup, 0, title};
}
inline constexpr MenuItem kSeparator{MenuItem::Separator, 0, nullptr};
inline constexpr MenuItem kEnd{MenuItem::End, 0, nullptr};

inline constexpr MenuItem kMenuBar[] = {
    Popup("&Fichier"),
    Item(ID_FILE_NEW),
    Item(ID_FILE_OPEN),
    Item(ID_FILE_SAVE),
    Item(ID_FILE_SAVE_AS),
    kSeparator,
    Popup("Importer"),
    Item(ID_FILE_IMPORT_TEXT),
    Item(ID_FILE_IMPORT_CSV),
    kEnd,
    Popup("Exporter"),
    Item(ID_FILE_EXPORT_TEXT),
    Item(ID_FILE_EXPORT_CSV),
    Item(ID_FILE_EXPORT_HTML),
    kEnd,
    kSeparator,
    Item(ID_FILE_PRINT),
    Item(ID_FILE_PRINT_PREVIEW),
    Item(ID_FILE_PRINT_SETUP),
    kSeparator,
    Item(ID_FILE_ASSOCIATE),
    kSeparator,
    Item(ID_FILE_MRU_FILE1),
    Item(ID_FILE_MRU_FILE2),
    Item(ID_FILE_MRU_FILE3),
    Item(ID_FILE_MRU_FILE4),
    kSeparator,
    Item(ID_APP_EXIT),
    kEnd,
    Popup("&Edition"),
    Item(ID_EDIT_UNDO),
    Item(ID_EDIT_REDO),
    kSeparator,
    Item(ID_EDIT_CUT),
    Item(ID_EDIT_COPY),
    Item(ID_EDIT_PASTE),
    kSeparator,
    Item(ID_EDIT_FILL_DOWN),
    Item(ID_EDIT_FILL_RIGHT),
    kSeparator,
    Item(ID_EDIT_FIND),
    Item(ID_EDIT_FIND_NEXT),
    Item(ID_EDIT_REPLACE),
    Item(ID_EDIT_FILTER),
    kSeparator,
    Item(ID_EDIT_SORT),
    Item(ID_EDIT_REMOVE_DUPLICATES),
    kEnd,
    Popup("&Options"),
    Item(ID_OPTION_SINGLE_CLICK),
    Item(ID_OPTION_GO_TO_LAST),
    Item(ID_OPTION_ENTER_MOVES_DOWN),
    kSeparator,
    Item(ID_VIEW_ZOOM_IN),
    Item(ID_VIEW_ZOOM_OUT),
    Item(ID_VIEW_ZOOM_RESET),
    kEnd,
    Popup("&Aide"),
    Popup("Comment..."),
    Item(ID_HELP_ENTER_TEXT),
    kSeparator,
    Item(ID_HELP_INSERT_ROW),
    Item(ID_HELP_DELETE_ROW),
    kSeparator,
    Item(ID_HELP_RENAME_COLUMN),
    Item(ID_HELP_INSERT_COLUMN),
    Item(ID_HELP_DELETE_COLUMN),
    kEnd,
    kSeparator,
    Item(ID_APP_ABOUT),
    kEnd,
};

// The column menu, opened by a right-click on a column's header.
inline constexpr MenuItem kColumnMenu[] = {
    Item(ID_COLUMN_RENAME),
    kSeparator,
    Item(ID_COLUMN_INSERT_BEFORE),
    Item(ID_COLUMN_INSERT_AFTER),
    kSeparator,
    Item(ID_COLUMN_DELETE),
    kSeparator,
    Item(ID_COLUMN_SORT),
};

// The row menu (133), opened on a cell. A launch item and a separator go
// on top of it when the cell holds a link, a command or a folder. The
// clipboard's commands act on the range the menu was opened in.
inline constexpr MenuItem kRowMenu[] = {
    Item(ID_EDIT_COPY),
    Item(ID_EDIT_CUT),
    Item(ID_EDIT_PASTE),
    kSeparator,
    Item(ID_ROW_MOVE_UP),
    Item(ID_ROW_MOVE_DOWN),
    kSeparator,
    Item(ID_ROW_MENU_INSERT_ABOVE),
    Item(ID_ROW_MENU_INSERT_BELOW),
    kSeparator,
    Item(ID_ROW_MENU_DELETE),
    kSeparator,
    Item(ID_ROW_MENU_FILTER_VALUE),
    Item(ID_ROW_MENU_CLEAR_FILTER),
};

// The toolbar, left to right; 0 stands for a separator.
inline constexpr int kToolbar[] = {
    ID_FILE_NEW,
    ID_FILE_OPEN,
    ID_FILE_SAVE,
    0,
    ID_ROW_INSERT_ABOVE,
    ID_ROW_INSERT_BELOW,
    ID_ROW_DELETE,
    0,
    ID_ROW_MOVE_UP,
    ID_ROW_MOVE_DOWN,
    0,
    ID_EDIT_CUT,
    ID_EDIT_COPY,
    ID_EDIT_PASTE,
    0,
    ID_TOOLBAR_FIND,
    ID_TOOLBAR_REPLACE,
    ID_EDIT_FILTER,
    0,
    ID_FILE_PRINT,
};

struct Accelerator
{
    const char* keys; // in QKeySequence's portable form
    Id id;
};

inline constexpr Accelerator kAccelerators[] = {
    {"Ctrl+N", ID_FILE_NEW},   {"Ctrl+O", ID_FILE_OPEN},       {"Ctrl+S", ID_FILE_SAVE},
    {"Ctrl+P", ID_FILE_PRINT}, {"Ctrl+X", ID_EDIT_CUT},        {"Ctrl+C", ID_EDIT_COPY},
    {"Ctrl+V", ID_EDIT_PASTE}, {"Ctrl+F", ID_TOOLBAR_FIND},    {"Ctrl+H", ID_EDIT_REPLACE},
    {"F3", ID_EDIT_FIND_NEXT}, {"Ctrl+Q", ID_APP_EXIT},        {"Ctrl+Z", ID_EDIT_UNDO},
    {"Ctrl+Y", ID_EDIT_REDO},  {"Ctrl+Shift+Z", ID_EDIT_REDO}, {"Ctrl+Shift+L", ID_EDIT_FILTER},
};

// The keys of the fills and of the zoom, as spreadsheets have them. Ctrl+=
// zooms in without Shift on keyboards whose + needs it; with Shift the
// keyboard gives +, which Ctrl++ takes. Ctrl+Shift+= must not be a key of
// its own: the shortcut map would find two matches for one press and run
// neither.
inline constexpr Accelerator kGridAccelerators[] = {
    {"Ctrl+D", ID_EDIT_FILL_DOWN}, {"Ctrl+R", ID_EDIT_FILL_RIGHT}, {"Ctrl++", ID_VIEW_ZOOM_IN},
    {"Ctrl+=", ID_VIEW_ZOOM_IN},   {"Ctrl+-", ID_VIEW_ZOOM_OUT},   {"Ctrl+0", ID_VIEW_ZOOM_RESET},
};

} // namespace Commands
