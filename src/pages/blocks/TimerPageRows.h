// The registry rows of the timer, clock, counter and average pages: their page factories, the
// bindings of their members to the block words, the weekly timer's cam pages and the keys of
// their Chinese texts.
#pragma once

struct BlockPageRow;

// Fills the row's pages and bindings when its type has one of these pages; else nothing.
void AddTimerPages(BlockPageRow& row);
