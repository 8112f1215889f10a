#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

class QLineEdit;
class QPushButton;
class QTimer;
class QWidget;

// The input a user gives, delivered straight to the widget and never
// through a spinning event loop: the window-system timers of the program
// must not fire on their own, so that a seed replays the same session.
namespace UserInput {

void Click(QPushButton& button);
// A pointer move with no button held, as hovering over the abacus sends it.
void Move(QWidget& widget, QPoint position);
// Press and release at one place.
void ClickAt(QWidget& widget, QPoint position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
// Typed key by key; characters beyond Latin-1 arrive as an input method
// commits them, which is how Chinese text reaches a box.
void Type(QLineEdit& box, const QString& text);
// Through the clipboard and Ctrl+V, as long texts usually arrive.
void Paste(QLineEdit& box, const QString& text);
void Key(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// One tick, delivered as the timer's own event.
void Tick(QTimer& timer);

}  // namespace UserInput
