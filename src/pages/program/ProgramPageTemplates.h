// The dialog templates of the program Properties sheet's pages and of the analog-output
// dialogs, registered once before the first of them is made.
#pragma once

void RegisterProgramPageTemplates();
