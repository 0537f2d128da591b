#pragma once

#include "edit/Pattern.h"

#include <QString>

#include <array>
#include <optional>
#include <string>
#include <string_view>

// What a search looks for: the dialogs' text and their options.
struct FindRequest
{
    std::string text; // UTF-8
    bool matchCase = false;
    bool wholeCell = false;   // "Mot entier seulement": the whole cell equals the text
    bool fromCurrent = false; // Find next: start after the current row
    bool regex = false;       // "Expression régulière": the text is a pattern
};

struct ReplaceRequest
{
    std::string text;
    std::string replacement; // with a pattern, may name its groups: \0 to \9
    bool matchCase = false;
    bool wholeCell = false;
    bool regex = false;
};

// Whether a cell matches a search, and what a replacement makes of it.
// Without "Respecter la casse" both sides are upper-cased as TextCase says,
// so accented letters match across case ("é" finds "É"). A regular
// expression is matched by CPattern, one cell at a time.
class CTextMatcher
{
public:
    CTextMatcher(std::string_view text, bool matchCase, bool wholeCell, bool regex = false);

    // Empty while the search may go on; otherwise why it may not, in French:
    // the pattern does not compile, or a cell took it past its limit of
    // work. From then on nothing matches, and the search must change
    // nothing.
    const QString& Failure() const { return m_failure; }
    bool Failed() const { return !m_failure.isEmpty(); }

    bool Matches(std::string_view cell) const;
    // True when a cell of the row, given joined by TAB, matches. A text
    // without TAB is looked for in the whole row at once: a match cannot
    // reach across cells.
    bool MatchesJoined(std::string_view joined, int columns) const;

    // When the cell matches, puts its new text in out and returns true: a
    // whole-cell match becomes the replacement, otherwise every occurrence
    // of the text, left to right and not overlapping, is replaced (whatever
    // its case, without "Respecter la casse"). An empty text occurs in
    // every cell and replaces nothing in it. A pattern replaces as
    // CPattern::Replace says.
    bool Replace(std::string_view cell, std::string_view replacement, std::string& out) const;
    // Whether an ASCII text looked for in any case is found in text by its
    // bytes, with no upper-casing: when text holds no character beyond
    // ASCII whose upper case is ASCII. Then so is it in each of its cells,
    // which ReplaceAscii replaces as Replace would.
    bool AsciiFinderFits(std::string_view text) const;
    bool ReplaceAscii(std::string_view cell, std::string_view replacement, std::string& out) const;

    // Replaces in a whole row at once, in one pass over it, when that is
    // replacing cell by cell: an ASCII text without TAB looked for in any
    // case (so no match spans two cells), a row AsciiFinderFits and with no
    // more cells than columns (cells beyond them are not searched). Replaced
    // leaves the new row in out (scratch otherwise); CellByCell says the row
    // must be done so.
    enum class RowReplace
    {
        NotFound,
        Replaced,
        CellByCell
    };
    RowReplace ReplaceInRow(std::string_view joined, int columns, std::string_view replacement,
                            std::string& out) const;

private:
    // Finds an ASCII text in any case without upper-casing what it looks
    // in.
    class AsciiFinder
    {
    public:
        explicit AsciiFinder(std::string_view upperText);
        bool In(std::string_view text) const { return Find(text, 0) != std::string_view::npos; }
        // Where the text is first found from from on, or npos.
        std::size_t Find(std::string_view text, std::size_t from) const;
        std::size_t Size() const { return m_text.size(); }

    private:
        std::string m_text; // upper-cased
        // Without letters, any case is the text itself, which memchr finds.
        bool m_hasLetters = false;
        std::array<std::size_t, 256> m_skip{};
    };

    // Matches, for a text that is looked for anywhere in a whole row: an
    // ASCII text in any case is found there without upper-casing the row.
    bool Contains(std::string_view text) const;

    // The cell as it is compared: itself, or upper-cased into m_upper.
    std::string_view Compared(std::string_view cell) const;
    bool MatchesPattern(std::string_view cell) const;
    bool ReplacePattern(std::string_view cell, std::string_view replacement,
                        std::string& out) const;
    // Whether the pattern matched; a cell that took it past its limit of
    // work stops the search.
    bool Found(CPattern::Match match) const;

    std::string m_text; // upper-cased unless case must match
    std::optional<AsciiFinder> m_asciiFinder;
    bool m_bMatchCase;
    bool m_bWholeCell;
    mutable std::string m_upper;
    std::optional<CPattern> m_pattern;
    mutable QString m_failure;
};
