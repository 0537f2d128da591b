#pragma once

// The words of the Find, Replace and Entry dialogs, in UTF-8.
namespace DialogTexts {

inline constexpr char kFindCaption[] = "Rechercher";
inline constexpr char kFindButton[] = "Rechercher";
inline constexpr char kReplaceCaption[] = "Remplacer";
inline constexpr char kReplaceAllButton[] = "Remplacer tout";
inline constexpr char kCancelButton[] = "Annuler";
inline constexpr char kFindLabel[] = "Rechercher :";
inline constexpr char kReplaceLabel[] = "Remplacer par :";
inline constexpr char kWholeWord[] = "Mot entier seulement";
inline constexpr char kMatchCase[] = "Respecter la casse";
// The caller of the Entry dialog normally gives its own caption.
inline constexpr char kEntryCaption[] = "Entry";
inline constexpr char kOkButton[] = "OK";

} // namespace DialogTexts
