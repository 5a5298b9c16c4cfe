// The sheets of the mask, max/min and shift, relay and conversion, memory, Modbus,
// user-defined communication, WiFi and message-text blocks: their main pages, bound words and
// live values.
#pragma once

#include <span>

struct SheetTypeRow;

std::span<const SheetTypeRow> MiscPageRows();
