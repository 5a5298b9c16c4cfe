// The registry rows of the mask, max/min and shift, relay and conversion, memory, Modbus,
// user-defined communication and WiFi blocks: their main pages and bound words.
#pragma once

struct BlockPageRow;

// Gives the row its main page and bindings when its type is one of these blocks'; every other
// row stays as it is.
void BindMiscBlockPage(BlockPageRow& row);
