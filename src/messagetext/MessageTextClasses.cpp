#include "messagetext/MessageTextClasses.h"

#include "messagetext/Widget.h"

void RegisterMessageTextClasses()
{
    AfxRegisterClasses({RUNTIME_CLASS(CWidget)});
}
