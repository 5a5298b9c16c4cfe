// The program numbers its serial ports (COM1 = 1, up to 256) and keeps that number wherever it
// remembers a port; on this system a number stands for a device path. The registry gives each
// path the lowest free number the first time it is named and keeps it for the run, so that a
// number once chosen always means the same device. The serial devices that exist are found
// under /dev (ttyS*, ttyUSB*, ttyACM*); pseudo-terminals are named by the user.
#pragma once

#include "platform/core/String.h"

#include <vector>

constexpr int SERIAL_PORT_NUMBER_MAX = 256;

// The number of the path, given now if it has none; 0 for an empty path or a full registry.
int SerialPortNumberOf(const CString& strPath);
// The path of a number; empty when the number stands for nothing.
CString SerialPortPath(int nNumber);
// The paths that have a number, in number order.
std::vector<CString> NumberedSerialPorts();
// Forgets every number (tests start from an empty registry).
void ResetSerialPortNumbers();

// The serial device nodes under the folder (normally /dev), in natural order: ttyS0 before
// ttyS10, ttyS* before ttyUSB* before ttyACM*.
std::vector<CString> FindSerialDevices(const CString& strFolder = _T("/dev"));
// Whether the device is a terminal that opens for reading and writing now (it is closed again
// at once, its settings untouched).
BOOL CanOpenSerialDevice(const CString& strPath);
// The ports a user may pick now: the serial devices under the folder, then the ports named
// before in this run, each only when it opens.
std::vector<CString> OpenableSerialPorts(const CString& strFolder = _T("/dev"));
