// The base of a diagram as a number of pages across and down.
#pragma once

class CVetlaDoc;

// The base becomes nAcross x nDown pages of the document's page size and the document is
// modified; false (nothing changed) for fewer than one page either way.
bool SetPagesOfBase(CVetlaDoc& doc, int nAcross, int nDown);
