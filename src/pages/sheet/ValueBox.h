// The "Current Parameter Value" group box (109) that a page with a live value shows under its
// controls while the diagram is simulated. The value is a text control inside the box, above
// it, so that a box whose frame is filled (as Qt draws one) does not hide it; the text last given
// is kept, so that the value can be read without a window, and set only when it changed.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/String.h"

class CButton;
class CStatic;
class CWnd;

// Where the box sits in the strip the sheet added (the families of the pages' layouts).
enum class ValueBoxFamily { A, B, C, D };

class CValueBox {
public:
    CValueBox() = default;
    CValueBox(const CValueBox&) = delete;
    CValueBox& operator=(const CValueBox&) = delete;

    // Makes the box in the page's bottom nExtra pixels; nothing when it exists. With bMayDrop (the
    // sheet grows by ExtraRoom) it stands lower where the page's controls reach into them.
    void Create(CWnd& page, int nExtra, ValueBoxFamily family, bool bMayDrop);
    BOOL Exists() const { return m_pBox != nullptr; }
    // How far the box stands below its strip: the page and its sheet grow by as much more.
    int ExtraRoom() const { return m_nExtraRoom; }
    // The page's window went: the box went with it.
    void Forget()
    {
        m_pBox = nullptr;
        m_pValue = nullptr;
    }
    // The new text, shown when it changed.
    void SetText(const CString& strText);
    const CString& GetText() const { return m_strText; }

private:
    CButton* m_pBox = nullptr;
    CStatic* m_pValue = nullptr;
    CString m_strText;
    int m_nExtraRoom = 0;
};
