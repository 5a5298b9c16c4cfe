// CSpecialPar4: the page of the multi-function switch: the stairway switch's page with the
// permanent-light time TL besides T; its standard pre-warning is none at all.
#pragma once

#include "pages/blocks/SpecialPar3.h"

class CSpecialPar4 : public CSpecialPar3 {
    DECLARE_DYNAMIC(CSpecialPar4)

public:
    explicit CSpecialPar4(int nType);

    CTimeValueRow m_light;

protected:
    std::vector<Row> Rows() override;
    bool RedoesStandardOnChange() const override { return false; }
    WarningPair StandardPair(int nBase) const override { return NoWarning(nBase); }
};
