#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <cstdint>

// The pointer and the keyboard of the test's X display, driven with xdotool:
// the program under test receives real X events, as from a person.
class XdoTool {
public:
    explicit XdoTool(const QString& display);

    void Click(const QPoint& at) const;
    void MoveTo(const QPoint& at) const;
    // Clicks into a text box, selects all its text and types over it.
    void Retype(const QPoint& box, const QString& text) const;
    void Key(const QString& key) const;

    // Visible windows of the program's window class.
    QList<std::uint32_t> ProgramWindows() const;
    QList<std::uint32_t> WindowsNamed(const QString& pattern) const;
    QString Name(std::uint32_t window) const;
    QRect Geometry(std::uint32_t window) const;
    std::uint32_t FocusedWindow() const;

private:
    QString run(const QStringList& arguments) const;
    QList<std::uint32_t> windows(const QString& output) const;

    QString m_display;
};
