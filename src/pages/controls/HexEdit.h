// CHexEdit: a box for a 16-bit mask as four hexadecimal digits; small letters become capitals
// and anything else is refused.
#pragma once

#include "pages/controls/MaskedEdit.h"

class CHexEdit : public CMaskedEdit {
    DECLARE_DYNAMIC(CHexEdit)

public:
    CHexEdit();
};
