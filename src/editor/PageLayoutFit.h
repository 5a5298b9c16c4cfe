// Whether a diagram fits a page layout: growing always fits, a smaller layout only when every
// block, wire vertex and comment box stays inside the smaller drawing area.
#pragma once

#include "controls/PageLayoutDlg.h"

class CVetlaDoc;

PageLayoutFit CheckPageLayoutFit(const CVetlaDoc& doc, int nAcross, int nDown);
