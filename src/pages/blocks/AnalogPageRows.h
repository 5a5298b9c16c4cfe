// The sheets of the analog blocks with a page of their own: their pages, the generic words the
// pages bind and the live values.
#pragma once

#include <span>

struct SheetTypeRow;

std::span<const SheetTypeRow> AnalogPageRows();
