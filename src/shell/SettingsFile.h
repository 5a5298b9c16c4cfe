// The per-user settings folder "<temporary folder>DruvoProperty" (or, where only that exists,
// the "QarvoProperty" of earlier versions) with the settings file
// DruvoEditor.ini and the astronomical clock's places (Astro.Property, document/AstroCities.h).
// The settings file is UTF-16LE text
// without byte-order mark, one line "language=zh_CN" or "language=en_US" ending in a line feed.
// The interface is Chinese exactly when the file's text holds "zh_CN" anywhere; the Language
// command rewrites the file and the choice takes effect at the next start.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

constexpr int LANGUAGE_ENGLISH = 0;
constexpr int LANGUAGE_CHINESE = 1;

// The folder and the file under the user's temporary folder.
CString GetSettingsFolder();
CString GetSettingsFilePath();
// The user places' file of the astronomical clock; tests point it at a folder of their own.
CString GetAstroCityFilePath();
void SetAstroCityFilePath(const CString& strPath);

// The UTF-16LE text of a file's bytes up to its first NUL: at most length/2 code units, an odd
// last byte ignored.
CString DecodeUtf16Le(const BYTE* pBytes, std::size_t nLength);
// Whether the settings file at strPath selects Chinese: FALSE for a missing, empty, unreadable
// or 8-bit file. A file that is there but cannot be read says so in the standard error box.
BOOL ReadChineseSetting(const CString& strPath);
// Writes the file anew as the single line for nLanguage, creating its folder when missing. The
// line goes into a temporary file that then replaces the old one, so a failed write leaves the
// old file as it was. FALSE on failure, with the system's reason in *pReason.
BOOL WriteLanguageSetting(const CString& strPath, int nLanguage, CString* pReason);
