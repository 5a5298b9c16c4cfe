// The base of a diagram as a number of pages across and down, and what a file may bring of it.
#pragma once

#include "platform/core/Types.h"

#include <utility>

class CVetlaDoc;

// The most pages a layout has across or down, and in all: the Page Layout dialog's limits. The
// paint draws a line per page and the print loop prints a page per page.
constexpr int LAYOUT_PAGES_MAX = 100;

constexpr bool IsLayoutPageCount(int nPages) { return nPages >= 1 && nPages <= LAYOUT_PAGES_MAX; }

// A layout the Page Layout dialog offers: each count within its limit and the product too.
constexpr bool IsLayoutPageCounts(int nAcross, int nDown)
{
    return IsLayoutPageCount(nAcross) && IsLayoutPageCount(nDown) && nAcross * nDown <= LAYOUT_PAGES_MAX;
}

// The counts a layout of nAcross x nDown pages grows to when what the program places (a paste, an
// upload's or a conversion's layout, a comment box) reaches nWantAcross x nWantDown: never fewer
// than it has, and no more in all than the dialog offers, so that what is saved opens as it was
// saved. Pages across are added first.
std::pair<int, int> GrownPageCounts(int nAcross, int nDown, int nWantAcross, int nWantDown);

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
// page, as a zoom the views do not offer does, and counts whose product it does not offer take one
// page each; a base that is not sound for the counts, or whose counts were reset, becomes the one
// Page Layout makes for them. The document is not marked modified. True when the counts were
// reset: the base then grows to hold the blocks once they are loaded (GrowBaseToHoldBlocks).
bool SettleLoadedPageLayout(CVetlaDoc& doc);

// Pages added (across first, within the dialog's limits) until the base holds every block.
void GrowBaseToHoldBlocks(CVetlaDoc& doc);
