#include "platform/core/CmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)
