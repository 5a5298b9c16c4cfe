// The per-user settings folder "DruvoProperty" with the settings file DruvoEditor.ini and the
// astronomical clock's places (Astro.Property, document/AstroCities.h). It lies in the program's
// folder of the user's configuration folder, which logging out leaves alone; earlier versions
// kept it in the user's temporary folder (and before that under the name "QarvoProperty"), where
// a file not yet written anew is still read.
// The settings file is UTF-16LE text
// without byte-order mark; its line "language=zh_CN" or "language=en_US" ends in a line feed.
// The interface is Chinese exactly when the file's text holds "zh_CN" anywhere; the Language
// command rewrites that line and the choice takes effect at the next start.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

constexpr int LANGUAGE_ENGLISH = 0;
constexpr int LANGUAGE_CHINESE = 1;

constexpr const TCHAR* LANGUAGE_FILE_NAME = _T("DruvoEditor.ini");
constexpr const TCHAR* ASTRO_CITY_FILE_NAME = _T("Astro.Property");

// The folder the settings are written to: <configuration folder>/qarvo-editor/DruvoProperty.
CString GetSettingsFolder();
// Where the settings file of that name is read from: the settings folder when it holds the file,
// else the first earlier folder that does (the temporary folder's "DruvoProperty", then its
// "QarvoProperty"), else the settings folder.
CString GetSettingsFileToRead(LPCTSTR lpszName);
// The language file as it is written.
CString GetSettingsFilePath();
// The user places' file of the astronomical clock as it is written, and as it is read; tests
// point both at a file of their own.
CString GetAstroCityFilePath();
CString GetAstroCityFileToRead();
void SetAstroCityFilePath(const CString& strPath);

// The UTF-16LE text of a file's bytes up to its first NUL: at most length/2 code units, an odd
// last byte ignored.
CString DecodeUtf16Le(const BYTE* pBytes, std::size_t nLength);
// Whether the settings file at strPath selects Chinese: FALSE for a missing, empty, unreadable
// or 8-bit file. A file that is there but cannot be read says so in the standard error box.
BOOL ReadChineseSetting(const CString& strPath);
// Writes the line for nLanguage in place of the file's language line, keeping everything else the
// file holds; a file without one (or none at all) gets it first. The folder is made when missing.
// The text goes into a temporary file that then replaces the old one, so a failed write leaves
// the old file as it was, and a file that cannot be read is not written. FALSE on failure, with
// the system's reason in *pReason.
BOOL WriteLanguageSetting(const CString& strPath, int nLanguage, CString* pReason);
