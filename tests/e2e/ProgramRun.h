#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class AccessibilityBus;

// The real program, started as its own process on the test's display. Its
// browser opener is a stand-in that notes each address and succeeds or
// fails as the test says; its data folder is one of the test's own. Given an accessibility bus, the program offers its
// accessible objects there, as it does when a screen reader runs. The
// process is killed if it is still running when this object goes.
class ProgramRun {
public:
    ProgramRun(const QString& executable, const QString& display, const AccessibilityBus* bus);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool IsRunning() const { return m_process.state() == QProcess::Running; }
    qint64 ProcessId() const { return m_process.processId(); }
    bool WaitForExit(int limitMs);
    int ExitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus ExitStatus() const { return m_process.exitStatus(); }
    // What the program printed, for failure reports.
    QString Output() const;

    // Whether the browser opener is to succeed from now on.
    void SetBrowserWorks(bool works);
    // The addresses the program asked the browser to open, oldest first.
    QStringList OpenedAddresses() const;
    // Where the program keeps its records: its XDG_DATA_HOME.
    QString DataFolder() const { return m_browserHome.path(); }

private:
    bool writeBrowserStandIn();
    QProcessEnvironment environment() const;

    QTemporaryDir m_browserHome;
    QProcess m_process;
};
