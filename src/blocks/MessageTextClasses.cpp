#include "blocks/MessageTextClasses.h"

#include "blocks/Widget.h"

void RegisterMessageTextClasses()
{
    AfxRegisterClasses({RUNTIME_CLASS(CWidget)});
}
