// CGeneral: the "General" page of the program Properties sheet: the nine project texts
// (creator, project name, installation, customer, diagram number, checker, three version
// texts), each at most 60 characters, and whether a new diagram opens its Properties at once.
#pragma once

#include "document/ProgramSettings.h"
#include "pages/program/ProgramPage.h"

class CGeneral : public CProgramPage {
    DECLARE_DYNAMIC(CGeneral)

public:
    CGeneral();

    CString m_strText[PROJECT_TEXT_COUNT];
    int m_bShowAtNewFile = 1;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
};
