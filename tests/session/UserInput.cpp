#include "UserInput.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <utility>

namespace {

void sendMouse(QWidget& widget, QEvent::Type type, QPoint position, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, QPointF(position), QPointF(widget.mapToGlobal(position)), button, held, modifiers);
    QCoreApplication::sendEvent(&widget, &event);
}

void commit(QLineEdit& box, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(&box, &event);
}

}  // namespace

namespace UserInput {

void Click(QPushButton& button) { QTest::mouseClick(&button, Qt::LeftButton); }

// QTest::mouseMove with no button held moves the system cursor and spins the
// event loop; a hover reaches the widget as this plain event instead.
void Move(QWidget& widget, QPoint position)
{
    sendMouse(widget, QEvent::MouseMove, position, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
}

// The drawing surfaces take no press, which QTest::mouseClick reports as a
// warning on every click; the same two events are sent without it.
void ClickAt(QWidget& widget, QPoint position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    sendMouse(widget, QEvent::MouseButtonPress, position, button, button, modifiers);
    sendMouse(widget, QEvent::MouseButtonRelease, position, button, Qt::NoButton, modifiers);
}

void Type(QLineEdit& box, const QString& text)
{
    QString composed;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            if (!composed.isEmpty())
                commit(box, std::exchange(composed, QString()));
            QTest::keyClick(&box, c.toLatin1());
        } else {
            composed += c;
        }
    }
    if (!composed.isEmpty())
        commit(box, composed);
}

void Paste(QLineEdit& box, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
}

void Key(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(&widget, key, modifiers); }

void Tick(QTimer& timer)
{
    QTimerEvent event(timer.timerId());
    QCoreApplication::sendEvent(&timer, &event);
}

}  // namespace UserInput
