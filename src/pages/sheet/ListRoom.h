// The room the drop-down lists of a page take on their rows. A list whose longest line does not
// fit its field (the blocks a reference may name) grows to the right, up to the first control
// shown beside it, the frame around it or the page's edge; a list or a check box beside it that
// needs less than its width (a reference's time unit, a short "Reference") gives up the rest.
#pragma once

class CComboBox;
class CDialog;

// The width the list needs to show its longest line whole; 0 when the toolkit cannot tell.
int ListWidthNeeded(const CComboBox& list);
// Makes the list as narrow as its lines allow, keeping its right edge; never wider than it is.
void NarrowListToLines(CComboBox& list);
// Every list the page shows whose lines do not fit takes the room beside it.
void WidenShownLists(CDialog& page);
