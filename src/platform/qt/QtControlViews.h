// The views of the standard controls (one file each), made by InitQtControls' factory.
#pragma once

#include "platform/qt/QtControlView.h"

#include <memory>

class CButton;
class CComboBox;
class CEdit;
class CListBox;
class CSpinButtonCtrl;
class CStatic;
class CTabCtrl;
class CProgressCtrl;
class CSliderCtrl;
class CDateTimeCtrl;
class CTreeCtrl;
class CListCtrl;

std::unique_ptr<IControlView> MakeQtEditView(CEdit& edit);
std::unique_ptr<IControlView> MakeQtComboBoxView(CComboBox& combo);
std::unique_ptr<IControlView> MakeQtButtonView(CButton& button);
std::unique_ptr<IControlView> MakeQtStaticView(CStatic& label);
std::unique_ptr<IControlView> MakeQtListBoxView(CListBox& list);
std::unique_ptr<IControlView> MakeQtSpinView(CSpinButtonCtrl& spin);
std::unique_ptr<IControlView> MakeQtTabView(CTabCtrl& tab);
std::unique_ptr<IControlView> MakeQtProgressView(CProgressCtrl& progress);
std::unique_ptr<IControlView> MakeQtSliderView(CSliderCtrl& slider);
std::unique_ptr<IControlView> MakeQtDateTimeView(CDateTimeCtrl& picker);
std::unique_ptr<IControlView> MakeQtTreeView(CTreeCtrl& tree);
// The list keeps painting itself; its view adds the scroll bar.
std::unique_ptr<IControlView> MakeQtListCtrlView(CListCtrl& list);

// UTF-16 text of the layer as a QString and back.
QString ToQString(const CString& str);
CString FromQString(const QString& str);
