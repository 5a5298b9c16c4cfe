// The OK, Cancel, Apply and Help strip of a modeless sheet, which the window layer leaves out
// of a modeless sheet: the block sheets and the ladder element sheets show it the same way.
#pragma once

class CPropertySheet;

// The sheet grows by the strip and shows and enables the four buttons in it, under the tabs.
void ShowModelessButtonStrip(CPropertySheet& sheet);
// "OK", "Cancel", "Apply" and "Help"; in the Chinese interface the texts under the buttons' ids
// where the map has them.
void SetSheetButtonTexts(CPropertySheet& sheet);
