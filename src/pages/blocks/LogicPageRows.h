// The sheets of the logic gates and the Boolean function: their help topics and pages.
#pragma once

#include <span>

struct SheetTypeRow;

std::span<const SheetTypeRow> LogicPageRows();
