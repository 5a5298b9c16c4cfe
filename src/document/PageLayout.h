// The base of a diagram as a number of pages across and down, and what a file may bring of it.
#pragma once

#include "platform/core/Types.h"

class CVetlaDoc;

// The most pages a layout has across or down: the Page Layout dialog's limit for each.
constexpr int LAYOUT_PAGES_MAX = 100;

constexpr bool IsLayoutPageCount(int nPages) { return nPages >= 1 && nPages <= LAYOUT_PAGES_MAX; }

// The base becomes nAcross x nDown pages of the document's page size and the document is
// modified; false (nothing changed) for fewer than one page either way.
bool SetPagesOfBase(CVetlaDoc& doc, int nAcross, int nDown);

// Whether the base holds nAcross x nDown pages of at least a unit each and lies inside the
// diagram's limits, so that its sizes and the sums of its pages stay ints. The base the program
// makes is pages of the screen it was made on, from the origin; others are kept as stored.
bool IsSoundBase(const RECT& rcBase, int nAcross, int nDown);

// The page layout of a loaded file, made one the view and the printing can walk: the paint draws
// a line per page and the print loop prints a page per page, so that a damaged count would hang
// them and a damaged base overflow their sums. A count the dialog does not offer takes the default of one
// page, as a zoom the views do not offer does; a base that is not sound for the counts becomes
// the one Page Layout makes for them. The document is not marked modified.
void SettleLoadedPageLayout(CVetlaDoc& doc);
