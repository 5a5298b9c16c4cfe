// CPropertiesPropSh: the modal "Properties" sheet of a diagram's program settings, with its
// pages in tab order: General, Comment, Parameter, Protect, COM0 to COM2, LCD Setting and
// Hardware. It edits a copy of the settings (ProgramSettings) and of the hardware code: the
// owner fills them before the sheet runs and, after OK, writes what it gives back into the
// document.
#pragma once

#include "document/ProgramSettings.h"
#include "pages/program/ComSetting.h"
#include "pages/program/General.h"
#include "pages/program/Parameter.h"
#include "pages/program/Protect.h"
#include "pages/program/SelectHardware.h"
#include "pages/program/StartUpBmp.h"
#include "pages/sheet/CommentPage.h"
#include "platform/ui/PropertySheet.h"

class CVetlaDoc;

class CPropertiesPropSh : public CPropertySheet {
    DECLARE_DYNAMIC(CPropertiesPropSh)

public:
    // The pages a caller may open first.
    static constexpr int PAGE_GENERAL = 0;
    static constexpr int PAGE_PARAMETER = 2;
    static constexpr int PAGE_HARDWARE = 8;
    static constexpr int PAGE_COUNT = 9;

    CPropertiesPropSh(LPCTSTR lpszCaption, CWnd* pParentWnd = nullptr, UINT nFirstPage = PAGE_GENERAL);

    // The document whose settings are edited: its generation decides what the pages offer and
    // the Hardware page checks its blocks, and the analog outputs' dialogs write it at once. Its
    // values are copied in as well.
    void CopyFromDocument(CVetlaDoc& doc);
    // The settings as the pages hold them, on top of what they were copied from.
    ProgramSettings GetSettings() const;
    // The hardware the Hardware page holds.
    WORD GetHardwareCode() const { return m_hardware.m_wHardwareCode; }

    CGeneral m_general;
    CComment m_comment;
    CParameter m_parameter;
    CProtect m_protect;
    CComSetting m_com[COM_PORT_COUNT];
    CStartUpBmp m_startUpBmp;
    CSelectHardware m_hardware;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void CopyIn(const ProgramSettings& settings);
    void TranslateTitles();

    ProgramSettings m_base;
    CString m_strTitles[PAGE_COUNT];
};
