#pragma once

#include <QImage>
#include <QString>

#include <cstdint>

struct xcb_connection_t;

// This test's own client connection to the X server: it takes screenshots
// and, like a window manager's close button, asks a window to close.
class XConnection {
public:
    explicit XConnection(const QString& display);
    ~XConnection();
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    bool IsOpen() const { return m_connection != nullptr; }
    // The whole screen; a null image when the server's pixel format is not
    // the 32-bit true colour that Xvfb gives at depth 24.
    QImage Screenshot() const;
    // Sends WM_DELETE_WINDOW, the polite request a window manager sends.
    void RequestClose(std::uint32_t window) const;

private:
    std::uint32_t atom(const char* name) const;
    bool trueColour32() const;

    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_root = 0;
    int m_width = 0;
    int m_height = 0;
};
