// The pieces the templates of the function-block pages are built of, in dialog units.
#pragma once

#include "platform/ui/DialogTemplate.h"

#include <initializer_list>

DialogTemplate ParameterPage(UINT nID, CSize size);
DialogItemTemplate PageLabel(LPCTSTR lpszText, CRect rect, UINT nID = UINT(-1));
DialogItemTemplate PageEdit(UINT nID, CRect rect);
DialogItemTemplate PageCheck(UINT nID, LPCTSTR lpszText, CRect rect);
DialogItemTemplate PageButton(UINT nID, LPCTSTR lpszText, CRect rect);
// An up-down control; the page gives it its buddy and range.
DialogItemTemplate PageSpin(UINT nID, CRect rect);
DialogItemTemplate PageGroup(LPCTSTR lpszText, CRect rect, UINT nID = UINT(-1));
// A drop-down list with its initial items; the rectangle's height includes the drop-down part.
DialogItemTemplate PageCombo(UINT nID, CRect rect, std::initializer_list<LPCTSTR> items = {});
// "Block name" and its edit at the top left.
void AddBlockNameRow(DialogTemplate& t);
// Registers the template the first time a page of it is made.
void RegisterPageTemplateOnce(UINT nID, DialogTemplate (*pfnBuild)());
