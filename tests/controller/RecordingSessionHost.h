// A controller session's host without windows: it keeps the information window's lines and the
// progress reports, answers the password dialog as told, and holds the active document.
#pragma once

#include "controller/ControllerSessionHost.h"
#include "platform/core/MessageBox.h"
#include "protocol/ModBus.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

class RecordingSessionHost : public IControllerSessionHost {
public:
    void LogText(const CString& strText) override { m_strLog += strText.ToUtf8(); }
    void SetProgress(int nKind, int nPercent) override { m_progress.emplace_back(nKind, nPercent); }
    int AskPassword(BYTE* pBuffer) override
    {
        const std::size_t n = std::min<std::size_t>(m_strPassword.size(), CModBus::kPasswordLength);
        std::copy_n(m_strPassword.begin(), n, pBuffer);
        return m_nPasswordAnswer;
    }
    void ConfigurePort() override { ++m_nPortChoices; }
    CVetlaDoc* ActiveDocument() const override { return m_pDoc; }
    void OpenUploadedProgram(CVetlaCoreRule&) override { ++m_nUploadsOpened; }

    // The lines logged since MarkLog, without their ends.
    std::vector<std::string> NewLogLines() const
    {
        std::vector<std::string> lines;
        std::size_t nStart = m_nLogStart;
        for (std::size_t nEnd; (nEnd = m_strLog.find('\n', nStart)) != std::string::npos; nStart = nEnd + 1)
            lines.push_back(m_strLog.substr(nStart, nEnd - nStart));
        return lines;
    }
    void MarkLog() { m_nLogStart = m_strLog.size(); }

    std::vector<std::pair<int, int>> m_progress;
    std::string m_strPassword;
    int m_nPasswordAnswer = IDOK;
    int m_nPortChoices = 0;
    int m_nUploadsOpened = 0;
    CVetlaDoc* m_pDoc = nullptr;

private:
    std::string m_strLog;
    std::size_t m_nLogStart = 0;
};
