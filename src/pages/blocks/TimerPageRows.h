// The sheets of the timer, clock, counter and average pages: their page factories, the
// bindings of their members to the block words, the weekly timer's cam pages and the keys of
// their Chinese texts.
#pragma once

#include <span>

struct SheetTypeRow;

std::span<const SheetTypeRow> TimerPageRows();
