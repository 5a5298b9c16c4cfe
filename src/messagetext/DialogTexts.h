// The Chinese interface's texts for the message-text dialogs: their OK, Cancel and Help buttons
// take the Chinese texts of the sheets' buttons; every other caption stays English, as the
// text table holds none of theirs.
#pragma once

class CWnd;

// Nothing in the English interface.
void TranslateDialogButtons(CWnd& dialog);
