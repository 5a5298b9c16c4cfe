#include "codec/ImageLayout.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr ImageSection kSections[] = {
    {"LC", 0, 0, 1024},    {"A", 0, 1024, 512},   {"B", 0, 1536, 2048},  {"C", 0, 3584, 2048},
    {"E", 0, 5632, 256},   {"F", 0, 5888, 1024},  {"G1", 0, 6912, 64},   {"G2", 0, 6976, 1024},
    {"H", 0, 8000, 256},   {"PW", 0, 8256, 256},  {"PS", 0, 8512, 2},    {"K", 0, 8514, 16},
    {"M1", 0, 8530, 2},    {"M2", 0, 8532, 2},    {"V1", 0, 8534, 2},    {"V2", 0, 8536, 2},
    {"PR", 0, 8538, 2},    {"L", 0, 8540, 16},    {"RD", 0, 8556, 6},    {"CM", 0, 8562, 176},
    {"ID", 0, 8738, 16},   {"HT", 0, 8754, 2},    {"LT", 0, 8756, 2},    {"KV", 0, 8758, 2},
    {"QT", 0, 8760, 32},   {"FV", 0, 8792, 64},   {"RV", 0, 8856, 616},  {"DL", 0, 9472, 768},
    {"J", 1, 0, IMAGE_PROGRAM_BYTES_MAX},
};

// Each 16-byte slot of section C starts with 0xFF in a fresh image.
constexpr int kCSlotBytes = 16;
constexpr int kTextRowBytes = 32;
constexpr int kTextPresetRows = 8;
constexpr int kTextRowSettingByte = 28;
constexpr int kTextCellsFirst = 256;
constexpr int kTextCellsEnd = 640;

std::span<BYTE> SectionBytes(std::span<BYTE> buffer, const char* pszName)
{
    const ImageSection* pSection = FindImageSection(pszName);
    return buffer.subspan(std::size_t(pSection->nOffset), std::size_t(pSection->nSize));
}

} // namespace

std::span<const ImageSection> ImageSections()
{
    return kSections;
}

const ImageSection* FindImageSection(const char* pszName)
{
    const auto* it = std::find_if(std::begin(kSections), std::end(kSections),
                                  [pszName](const ImageSection& s) { return std::strcmp(s.pszName, pszName) == 0; });
    return it == std::end(kSections) ? nullptr : it;
}

int ImageBuffer1Bytes(int nProgramBytes)
{
    if (nProgramBytes <= 0)
        return IMAGE_BUFFER1_STEP;
    const int nRounded = (nProgramBytes + IMAGE_BUFFER1_STEP - 1) / IMAGE_BUFFER1_STEP * IMAGE_BUFFER1_STEP;
    return std::min(nRounded, IMAGE_PROGRAM_BYTES_MAX);
}

void PresetImageBuffer0(std::span<BYTE> buffer0)
{
    std::ranges::fill(buffer0, BYTE(0xFF));
    std::ranges::fill(SectionBytes(buffer0, "LC"), BYTE(0));
    std::span<BYTE> c = SectionBytes(buffer0, "C");
    std::ranges::fill(c, BYTE(0));
    for (std::size_t i = 0; i < c.size(); i += kCSlotBytes)
        c[i] = 0xFF;
    std::ranges::fill(SectionBytes(buffer0, "PW"), BYTE(0));
}

void PresetTextArea(std::span<BYTE> area)
{
    std::ranges::fill(area, BYTE(0xFF));
    for (std::size_t nText = 0; nText + IMAGE_TEXT_BLOCK_BYTES <= area.size(); nText += IMAGE_TEXT_BLOCK_BYTES) {
        std::span<BYTE> block = area.subspan(nText, IMAGE_TEXT_BLOCK_BYTES);
        for (int nRow = 0; nRow < kTextPresetRows; ++nRow)
            block[std::size_t(nRow * kTextRowBytes + kTextRowSettingByte)] = 0;
        for (int i = kTextCellsFirst; i < kTextCellsEnd; i += 2) {
            block[std::size_t(i)] = 0x20;
            block[std::size_t(i + 1)] = 0x00;
        }
    }
}
