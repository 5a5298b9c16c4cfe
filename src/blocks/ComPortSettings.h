// The settings of one controller serial port, sent to the controller with the program and
// stored in the project file as twelve ints in this order.
#pragma once

constexpr int COM_PORT_COUNT = 3;
constexpr int COM_BAUD_9600 = 3;

struct ComPortSettings {
    int nModel = 1;           // combo index; 2 = the text-panel device
    int nProtocol = 0;        // 0 RTU, 1 ASC, 2 UDC
    int nAddress = 1;         // device address 0..255
    int nBaudIndex = COM_BAUD_9600;
    int nParityDataStop = 0;  // combo index of the parity/data/stop text
    int nParity = 0;          // 0 None, 1 Odd, 2 Even
    int nDataBits = 1;        // 0 = 7, 1 = 8
    int nStopBits = 0;        // 0 = 1, 1 = 2
    int nTimeout = 200;       // ms, 200..65535
    int nDelay = 0;           // ms between polls, 0..65535
    int nDataRegister = 0;    // word order index
    int nSpare = 0;
};
static_assert(sizeof(ComPortSettings) == 12 * sizeof(int));
