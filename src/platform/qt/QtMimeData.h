// The layer's byte blocks by clipboard format as Qt's MIME data and back: the Unicode text as
// text, every registered format under "application/x-qarvo-<format name>". The clipboard and
// drag-and-drop share them.
#pragma once

#include "platform/ui/Clipboard.h"

class QMimeData;

QMimeData* ToMimeData(const ClipboardData& data);
ClipboardData FromMimeData(const QMimeData& mime);
