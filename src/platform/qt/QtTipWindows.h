// Tip windows on Qt: a window the layer marks as a tip becomes a frameless tool-tip widget that
// stays above the others and shows without being activated. Call after InitQtBackend.
#pragma once

void InitQtTipWindows();
void ShutdownQtTipWindows();
