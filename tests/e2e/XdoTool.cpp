#include "XdoTool.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {

constexpr int CommandLimitMs = 10000;
// The program's executable name, which Qt gives its windows as their class.
const QString ProgramClass = QStringLiteral("lingxi-shufang");

QString number(int value) { return QString::number(value); }

}  // namespace

XdoTool::XdoTool(const QString& display)
    : m_display(display)
{
}

QString XdoTool::run(const QStringList& arguments) const
{
    QProcess xdotool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    xdotool.setProcessEnvironment(environment);
    xdotool.start(QStringLiteral("xdotool"), arguments);
    if (!xdotool.waitForFinished(CommandLimitMs)) {
        xdotool.kill();
        xdotool.waitForFinished(CommandLimitMs);
        return {};
    }
    return QString::fromUtf8(xdotool.readAllStandardOutput());
}

void XdoTool::Click(const QPoint& at) const
{
    run({QStringLiteral("mousemove"), number(at.x()), number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
}

void XdoTool::MoveTo(const QPoint& at) const { run({QStringLiteral("mousemove"), number(at.x()), number(at.y())}); }

void XdoTool::Retype(const QPoint& box, const QString& text) const
{
    Click(box);
    Key(QStringLiteral("ctrl+a"));
    run({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text});
}

void XdoTool::Key(const QString& key) const { run({QStringLiteral("key"), key}); }

QList<std::uint32_t> XdoTool::windows(const QString& output) const
{
    QList<std::uint32_t> found;
    for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts))
        found.append(line.trimmed().toUInt());
    return found;
}

QList<std::uint32_t> XdoTool::ProgramWindows() const
{
    return windows(
        run({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--classname"), ProgramClass}));
}

QList<std::uint32_t> XdoTool::WindowsNamed(const QString& pattern) const
{
    return windows(run({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), pattern}));
}

QString XdoTool::Name(std::uint32_t window) const
{
    return run({QStringLiteral("getwindowname"), QString::number(window)}).trimmed();
}

QRect XdoTool::Geometry(std::uint32_t window) const
{
    // --shell prints X=, Y=, WIDTH= and HEIGHT= lines.
    QRect geometry;
    const QString output
        = run({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::number(window)});
    for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts)) {
        const QString key = line.section(u'=', 0, 0);
        const int value = line.section(u'=', 1).toInt();
        if (key == QLatin1String("X"))
            geometry.moveLeft(value);
        else if (key == QLatin1String("Y"))
            geometry.moveTop(value);
        else if (key == QLatin1String("WIDTH"))
            geometry.setWidth(value);
        else if (key == QLatin1String("HEIGHT"))
            geometry.setHeight(value);
    }
    return geometry;
}

std::uint32_t XdoTool::FocusedWindow() const { return run({QStringLiteral("getwindowfocus")}).trimmed().toUInt(); }
