#pragma once

#include "ServerProcess.h"

#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>

// A private D-Bus session bus for one test run. The desktop's accessibility
// bus (AT-SPI) starts on it the first time a program asks for it, as in a
// desktop session, and keeps its files in this bus's own folder, apart from
// any other run's. The bus is stopped when this object goes, however the
// test ends, and what it started ends with it.
class AccessibilityBus {
public:
    AccessibilityBus();

    bool IsUp() const { return !m_address.isEmpty(); }
    // Why the bus is not up.
    const QString& Problem() const { return m_problem; }
    // Points the environment at this bus, and at no other accessibility bus.
    void Admit(QProcessEnvironment& environment) const;

private:
    bool hasTools();

    QTemporaryDir m_folder;
    ServerProcess m_bus;
    QString m_address;
    QString m_problem;
};
