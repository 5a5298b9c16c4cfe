// The Chinese interface's texts for the message-text pages and dialogs: each control whose
// number has a text in the interface's map shows that text; the others keep their English one.
#pragma once

class CWnd;

// Nothing in the English interface.
void TranslateControlTexts(CWnd& dialog);
