// A pseudo-terminal pair for the serial tests: the program opens the path of one side as its
// serial device, the test (or a simulated controller) holds the other. The test keeps a
// descriptor of the program's side open too, so that the other side never sees a hang-up
// between the program's opens and closes.
#pragma once

#include <cstdlib>
#include <pty.h>
#include <string>
#include <termios.h>
#include <unistd.h>

class PtyPair {
public:
    PtyPair()
    {
        char name[256] = {};
        termios tio{};
        cfmakeraw(&tio);
        // Without a pair the path stays empty, and opening it fails the test that uses it.
        if (openpty(&m_master, &m_slave, name, &tio, nullptr) != 0)
            return;
        m_strPath = name;
    }
    ~PtyPair()
    {
        if (m_master >= 0)
            close(m_master);
        if (m_slave >= 0)
            close(m_slave);
    }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // The device the program opens.
    const std::string& Path() const { return m_strPath; }
    // The controller's end.
    int ControllerFd() const { return m_master; }
    // The test's own descriptor of the program's side (terminal state is shared by all).
    int ProgramSideFd() const { return m_slave; }

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_strPath;
};
