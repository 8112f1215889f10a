#include "ProgramRun.h"

#include "AccessibilityBus.h"

#include <QDir>
#include <QFile>

#include <csignal>

#include <sys/prctl.h>

namespace {

constexpr int StartLimitMs = 10000;
constexpr int StopLimitMs = 5000;

const char* const BrowserStandIn = R"sh(#!/bin/sh
# Stands in for the desktop's browser opener: notes the address and answers
# with the status the test left next to it.
home=$(dirname "$0")
printf '%s\n' "$1" >> "$home/opened"
exit "$(cat "$home/status")"
)sh";

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

}  // namespace

ProgramRun::ProgramRun(const QString& executable, const QString& display, const AccessibilityBus* bus)
{
    if (!writeBrowserStandIn())
        return;
    QProcessEnvironment environment = this->environment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    if (bus && bus->IsUp()) {
        bus->Admit(environment);
        // Qt offers its accessible objects only when a screen reader is
        // running; that the bus merely exists is not enough.
        environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    }
    m_process.setProcessEnvironment(environment);
    // Into a file: a pipe nobody reads could fill up and stall the program.
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(m_browserHome.filePath(QStringLiteral("output")));
    // Should this test process die before its destructors run, the program goes with it.
    m_process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_process.start(executable, {});
    m_process.waitForStarted(StartLimitMs);
}

ProgramRun::~ProgramRun()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(StopLimitMs);
}

QProcessEnvironment ProgramRun::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The program must find the X display, not the test's offscreen platform,
    // and draw at its natural size and style.
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "QT_STYLE_OVERRIDE", "QT_SCALE_FACTOR",
             "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI"})
        environment.remove(QString::fromLatin1(name));
    // Nor may the user's own settings change what it shows, nor it keep records among the user's.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_browserHome.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), DataFolder());
    const QString path = environment.value(QStringLiteral("PATH"));
    environment.insert(QStringLiteral("PATH"), m_browserHome.path() + QDir::listSeparator() + path);
    return environment;
}

bool ProgramRun::writeBrowserStandIn()
{
    const QString opener = m_browserHome.filePath(QStringLiteral("xdg-open"));
    if (!m_browserHome.isValid() || !writeFile(opener, BrowserStandIn))
        return false;
    SetBrowserWorks(true);
    return QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool ProgramRun::WaitForExit(int limitMs) { return m_process.waitForFinished(limitMs); }

QString ProgramRun::Output() const
{
    QFile output(m_browserHome.filePath(QStringLiteral("output")));
    return output.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(output.readAll()) : QString();
}

void ProgramRun::SetBrowserWorks(bool works)
{
    writeFile(m_browserHome.filePath(QStringLiteral("status")), works ? "0\n" : "1\n");
}

QStringList ProgramRun::OpenedAddresses() const
{
    QFile opened(m_browserHome.filePath(QStringLiteral("opened")));
    if (!opened.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(opened.readAll()).split(u'\n', Qt::SkipEmptyParts);
}
