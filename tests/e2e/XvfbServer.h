#pragma once

#include "ServerProcess.h"

#include <QSize>
#include <QString>

// A private X server for one test run. Xvfb picks a free display number
// itself and reports it once it accepts clients; the server is stopped when
// this object goes, however the test ends.
class XvfbServer {
public:
    explicit XvfbServer(const QSize& screen);

    // ":N", or empty when the server did not come up.
    const QString& Display() const { return m_display; }
    const QString& Problem() const;

private:
    ServerProcess m_server;
    QString m_display;
    QString m_problem;
};
