// The dialog templates of the block property pages and of the dialogs that pages open,
// registered with the window layer once, before the first page or dialog is made.
#pragma once

void RegisterPageTemplates();
