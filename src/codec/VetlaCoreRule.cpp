#include "codec/VetlaCoreRule.h"

#include "codec/ImageLayout.h"
#include "document/VetlaDoc.h"

#include <algorithm>

namespace {

void Allocate(std::vector<BYTE>& buffer, int nBytes)
{
    buffer.assign(std::size_t(nBytes), BYTE(0xFF));
}

} // namespace

BOOL CVetlaCoreRule::AllocImageBuffers(UINT nMode, int nTexts)
{
    if (nMode & CODEC_MODE_CLEAR) {
        m_nImageSize1 = CODEC_CLEAR_BYTES;
        Allocate(m_wire[0], CODEC_CLEAR_BYTES);
        return TRUE;
    }
    const BOOL bDownload = (nMode & CODEC_MODE_DOWNLOAD) != 0;
    if (!bDownload && !(nMode & CODEC_MODE_UPLOAD))
        return FALSE;
    if (bDownload) {
        if (!m_pDoc)
            return FALSE;
        m_nImageSize1 = ImageBuffer1Bytes(m_pDoc->GetProgramSize());
    }
    for (int i = 0; i < 2; ++i) {
        const int nBytes = i == 0 ? IMAGE_BUFFER0_BYTES : m_nImageSize1;
        Allocate(m_image[i], nBytes);
        Allocate(m_wire[i], nBytes);
    }
    if (bDownload) {
        PresetImageBuffer0(m_image[0]);
        PresetImageBuffer0(m_wire[0]);
    }
    for (std::vector<BYTE>& area : m_textArea)
        area.clear();
    if (nTexts > 0) {
        for (std::vector<BYTE>& area : m_textArea)
            Allocate(area, nTexts * IMAGE_TEXT_BLOCK_BYTES);
        PresetTextArea(m_textArea[0]);
    }
    return TRUE;
}

std::span<BYTE> CVetlaCoreRule::Section(const char* pszName)
{
    return ImageSectionBytes(m_image, pszName);
}

std::span<const BYTE> CVetlaCoreRule::Section(const char* pszName) const
{
    return ImageSectionBytes(m_image, pszName);
}

void CVetlaCoreRule::ReplaceBuffer1(std::vector<BYTE> buffer1)
{
    m_nImageSize1 = int(buffer1.size());
    m_image[1] = std::move(buffer1);
    Allocate(m_wire[1], m_nImageSize1);
}
