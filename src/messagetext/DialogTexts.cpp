#include "messagetext/DialogTexts.h"

#include "pages/sheet/PageTexts.h"
#include "platform/ui/Wnd.h"

void TranslateDialogButtons(CWnd& dialog)
{
    // Keyed by the buttons' ids, which the text table uses for the same buttons.
    static constexpr ControlTextKey kButtons[] = {{IDOK, IDOK}, {IDCANCEL, IDCANCEL}, {IDHELP, IDHELP}};
    TranslateControls(dialog, kButtons);
}
