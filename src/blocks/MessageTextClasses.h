// Registration of the message-text library's stored classes for creation by name.
#pragma once

// Registers CWidget, whose records the project file and the element clipboard carry. The
// application and the tests that load such data call it first.
void RegisterMessageTextClasses();
