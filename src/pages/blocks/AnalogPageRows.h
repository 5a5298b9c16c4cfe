// The registry rows of the analog blocks' pages: their page, the generic words their pages
// bind and the live values the watchdog and the differential trigger show.
#pragma once

struct BlockPageRow;

// Fills the row's page, bindings and live value when its type is an analog block with a page
// of its own; other rows are left as they are.
void BindAnalogPage(BlockPageRow& row);
