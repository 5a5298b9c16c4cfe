// The range of a page's spin button, set without changing the number its edit shows: the
// layer's spin writes its own position into the edit when its range changes, which would
// replace the value the page's data exchange put there.
#pragma once

class CDialog;

void SetSpinRange(CDialog& page, int nSpinID, int nLower, int nUpper);
