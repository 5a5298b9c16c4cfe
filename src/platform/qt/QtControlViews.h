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

std::unique_ptr<IControlView> MakeQtEditView(CEdit& edit);
std::unique_ptr<IControlView> MakeQtComboBoxView(CComboBox& combo);
std::unique_ptr<IControlView> MakeQtButtonView(CButton& button);
std::unique_ptr<IControlView> MakeQtStaticView(CStatic& label);
std::unique_ptr<IControlView> MakeQtListBoxView(CListBox& list);
std::unique_ptr<IControlView> MakeQtSpinView(CSpinButtonCtrl& spin);
std::unique_ptr<IControlView> MakeQtTabView(CTabCtrl& tab);

// UTF-16 text of the layer as a QString and back.
QString ToQString(const CString& str);
CString FromQString(const QString& str);
