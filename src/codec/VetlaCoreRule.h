// CVetlaCoreRule: the codec between a document and the controller's program image. A transfer
// makes one, points it at its document, lets it allocate the buffers of its transfer mode, has
// the image encoded (ImageEncoder.h) or decoded, and sends or receives the buffers.
#pragma once

#include "platform/core/Types.h"

#include <span>
#include <vector>

class CVetlaDoc;

// Transfer modes of AllocImageBuffers; the first flag that applies decides.
constexpr UINT CODEC_MODE_DOWNLOAD = 1;
constexpr UINT CODEC_MODE_UPLOAD = 2;
constexpr UINT CODEC_MODE_CLEAR = 4;
// What the clear operation sends: the send copy of buffer 0 alone, this long.
constexpr int CODEC_CLEAR_BYTES = 8576;

class CVetlaCoreRule {
public:
    CVetlaCoreRule() = default;
    CVetlaCoreRule(const CVetlaCoreRule&) = delete;
    CVetlaCoreRule& operator=(const CVetlaCoreRule&) = delete;

    // Allocates and presets the buffers of a transfer mode. Download: buffer 1 sized from the
    // document's program size, every image buffer preset for encoding. Upload: m_nImageSize1 as
    // the caller set it, every buffer 0xFF. Clear: the 8576-byte send copy of buffer 0 alone, all
    // 0xFF. Download and upload with nTexts message texts also get the message-text area. FALSE
    // for a download without a document or a mode without a known flag.
    BOOL AllocImageBuffers(UINT nMode, int nTexts);

    // Buffer 0 or 1 of the image, and their send/receive copies.
    std::span<BYTE> Image(int nBuffer) { return m_image[nBuffer]; }
    std::span<const BYTE> Image(int nBuffer) const { return m_image[nBuffer]; }
    std::span<BYTE> Wire(int nBuffer) { return m_wire[nBuffer]; }
    // The message-text area of the newer generation (1280 bytes per text) and its send copy.
    std::span<BYTE> TextArea() { return m_textArea[0]; }
    std::span<const BYTE> TextArea() const { return m_textArea[0]; }
    std::span<BYTE> WireTextArea() { return m_textArea[1]; }
    // A named section of the image; empty for a name the image lacks or a buffer not allocated.
    std::span<BYTE> Section(const char* pszName);
    std::span<const BYTE> Section(const char* pszName) const;
    // Buffer 1 as an encoding built it; its send copy takes the same size.
    void ReplaceBuffer1(std::vector<BYTE> buffer1);

    CVetlaDoc* m_pDoc = nullptr;
    // Size of buffer 1 in bytes.
    int m_nImageSize1 = 0;
    // Size of the message-text area as the controller reports it (upload).
    int m_nTextAreaSize = 0;

private:
    std::vector<BYTE> m_image[2];
    std::vector<BYTE> m_wire[2];
    std::vector<BYTE> m_textArea[2];
};
