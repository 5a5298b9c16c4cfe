// CCmdTarget: the base of the objects that take part in command routing (documents, views,
// frames, the application). In the core it carries no routing yet; the window layer routes
// commands to it.
#pragma once

#include "platform/core/Object.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;
};
