#include "pages/sheet/SimMessageDisplay.h"

namespace {
SimMessageDisplayFactory g_factory = nullptr;
}

void InstallSimMessageDisplay(SimMessageDisplayFactory factory)
{
    g_factory = factory;
}

ISimMessageDisplay* CreateSimMessageDisplay(ISimMessageDisplayHost& host)
{
    return g_factory ? g_factory(host) : nullptr;
}
