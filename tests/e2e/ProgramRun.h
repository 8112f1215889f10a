#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The real program, started as its own process on the test's display. Its
// browser opener is a stand-in that notes each address and succeeds or
// fails as the test says. The process is killed if it is still running when
// this object goes.
class ProgramRun {
public:
    ProgramRun(const QString& executable, const QString& display);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool IsRunning() const { return m_process.state() == QProcess::Running; }
    bool WaitForExit(int limitMs);
    int ExitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus ExitStatus() const { return m_process.exitStatus(); }
    // What the program printed, for failure reports.
    QString Output() const;

    // Whether the browser opener is to succeed from now on.
    void SetBrowserWorks(bool works);
    // The addresses the program asked the browser to open, oldest first.
    QStringList OpenedAddresses() const;

private:
    bool writeBrowserStandIn();
    QProcessEnvironment environment() const;

    QTemporaryDir m_browserHome;
    QProcess m_process;
};
