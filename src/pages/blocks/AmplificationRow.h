// The amplification factor row of the quadratic-equation and math-function pages: a numeric
// box of five whole digits and two decimals, negatives allowed, held to -10000..10000 while
// the user types.
#pragma once

#include "pages/controls/NumericEdit.h"

class CDialog;
class CDataExchange;

constexpr double AMPLIFICATION_LIMIT = 10000.0;

class CAmplificationRow {
public:
    // The box takes over the page's edit the first time; the value goes in and out as text.
    void Exchange(CDataExchange* pDX, int nEditID, double& dValue);
    // EN_UPDATE of the box: a typed value beyond the limits becomes the nearer limit.
    void OnUpdate(CDialog& page, int nEditID);
    // A step of its spin: one hundredth per step, within the limits.
    void OnDeltaPos(CDialog& page, int nEditID, int nDelta);
    // The value held to the limits.
    static double Clamped(double dValue);

private:
    CNumericEdit m_edit{5, 2};
};
