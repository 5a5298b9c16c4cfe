// The run-time classes of the concrete edit boxes.
#include "pages/controls/MaskedEdit.h"
#include "pages/controls/NumericEdit.h"

IMPLEMENT_DYNAMIC(CNumericEdit, CFilterEdit)
IMPLEMENT_DYNAMIC(CIntegerEdit, CNumericEdit)
IMPLEMENT_DYNAMIC(CMaskedEdit, CFilterEdit)
