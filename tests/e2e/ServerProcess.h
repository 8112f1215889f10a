#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// A server for one test run (an X server, a message bus). It says it is
// ready with a first line on its standard output, and it is stopped when this
// object goes, or with the test process should that die first.
class ServerProcess {
public:
    ServerProcess() = default;
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    // Starts the server and waits up to `limitMs` for its first line, which it
    // gives back trimmed; empty, and Problem() says why, when none came.
    QString Start(const QString& what, const QString& program, const QStringList& arguments, int limitMs,
                  const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    const QString& Problem() const { return m_problem; }

private:
    QProcess m_process;
    QString m_problem;
};
