// The texts a message-text element carries for the parameter it shows, shared by the
// message-text pages that place elements and the program-image codec that reads them back.
#pragma once

#include "platform/core/String.h"

// The parameter name of an id; empty outside the table.
CString ParameterName(int nParamId);
// The caption of a parameter element: the parameter name, or a shorter text for the names that
// do not fit the LCD.
CString ParameterCaption(int nParamId);
