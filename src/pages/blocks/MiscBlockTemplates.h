// The dialog templates of the mask, max/min and shift, relay and conversion, memory, Modbus,
// user-defined communication and WiFi pages and of the coil-state dialog, registered once
// before the first of them is made.
#pragma once

void RegisterMiscBlockTemplates();
