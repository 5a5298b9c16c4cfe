// The sizes of a docking bar in the user profile: the section "<name>-SCBar-<id>" holds the
// size along the top or bottom, along the left or right and floating, as the integer values
// sizeHorzCX/CY, sizeVertCX/CY and sizeFloatCX/CY. The program's own frames keep their bars'
// sizes for the run only and do not use it.
//
// The profile is a file the user can edit or damage: a value read back is held between the
// bar's minimum and the size of the screen, so that no bar comes back negative, vanishing or
// larger than anything it could be shown on.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/String.h"

struct BarSizes {
    CSize* pHorz;
    CSize* pVert;
    CSize* pFloat;
    CSize szMinHorz;
    CSize szMinVert;
    CSize szMinFloat;
};

CString BarProfileSection(LPCTSTR lpszProfileName, int nID);
// A stored size held between the minimum and the screen's size.
CSize ClampBarSize(CSize size, CSize sizeMin);
// FALSE without an application to hold the profile. A missing value keeps the size it stands
// for; every size is clamped.
BOOL LoadBarSizes(LPCTSTR lpszProfileName, int nID, const BarSizes& sizes);
// FALSE without an application, or when a value could not be written.
BOOL SaveBarSizes(LPCTSTR lpszProfileName, int nID, const BarSizes& sizes);
