// The dialog templates of the analog blocks' pages, registered with the page templates.
#pragma once

void RegisterAnalogTemplates();
