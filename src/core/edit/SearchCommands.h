#pragma once

#include "edit/TextMatch.h"

class CTablewrightDoc;

// Find and replace-all over every cell of the list.
namespace GridCommands {

// Goes to the first row holding a matching cell: from row 0, or for Find
// next from the row after the current one, wrapping to the top once. The
// found row is scrolled into view and its first cell made current; the
// column of the match is not kept. When no row matches, the user is told
// and nothing moves; so too when a pattern fails (see
// CTextMatcher::Failure), told why. Returns whether a row was found.
bool FindText(CTablewrightDoc& doc, const FindRequest& request);

// Replaces in every cell, reporting progress by row, as one step that
// keeps only the rows it changed. When no cell matches, or the list has no
// rows, the user is told; matches that change no text (an empty search
// text, a text replaced by itself) mark the list changed without a step.
// A pattern that fails changes nothing, and the user is told why. The
// cursor stays.
void ReplaceAll(CTablewrightDoc& doc, const ReplaceRequest& request);

} // namespace GridCommands
