// CStartUpBmp: the "LCD Setting" page of the program Properties sheet: the 108 x 64 logo the
// controller shows at start-up, read from a BMP file, previewed, optionally shown inverted,
// and on the newer controllers the LCD's language, logo time, contrast and backlight.
#pragma once

#include "pages/program/LogoNote.h"
#include "pages/program/LogoPreview.h"
#include "pages/program/ProgramPage.h"

constexpr LPCTSTR STARTUP_UPLOADED_LOGO_NOTE = _T("There are Bitmap data in this Document(from UpLoad).");

class CStartUpBmp : public CProgramPage {
    DECLARE_DYNAMIC(CStartUpBmp)

public:
    CStartUpBmp();

    CString m_strLogoFile;
    int m_bLogoInverse = 0;
    int m_nLcdBacklight = 0;
    int m_nLanguage = 0;
    int m_nLcdContrast = 2;
    int m_nLogoTime = 0;
    // The diagram holds a logo read from a controller.
    int m_bHasUploadedLogo = 0;

    // Takes the file as the logo when it is a BMP file (by its extension, without regard to
    // case) that the controller can show; otherwise says why and keeps the logo it had.
    // Returns whether it was taken.
    BOOL SetLogoFile(const CString& strPath, const CString& strExtension);
    const CLogoPreview& GetPreview() const { return m_preview; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void OnOpenBitmap();
    void FillCombos();
    void FillCombo(int nID, std::span<const LPCTSTR> items, int nSelect);

    CLogoPreview m_preview;
    CLogoNote m_note;
    // The path the page was given, or the last one it took: the box holding it needs no check.
    CString m_strCheckedLogoFile;
};
