// What the block sheets and the ladder element sheets share of their window: the OK, Cancel,
// Apply and Help strip, which the window layer leaves out of a modeless sheet, the buttons'
// texts, and the sheet's place over the main window.
#pragma once

class CPropertySheet;

// The sheet grows by the strip and shows and enables the four buttons in it, under the tabs.
void ShowModelessButtonStrip(CPropertySheet& sheet);
// "OK", "Cancel", "Apply" and "Help"; in the Chinese interface the texts under the buttons' ids
// where the map has them.
void SetSheetButtonTexts(CPropertySheet& sheet);
// The sheet over the main window; modeless ones nCascade steps lower, so that none hides another.
void PlaceSheetOverMainWindow(CPropertySheet& sheet, int nCascade);
