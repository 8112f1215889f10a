#pragma once

#include "TestEnvironment.h"
#include "exercises/NumberText.h"
#include "platform/PictureBox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTimer>
#include <QTimerEvent>
#include <QTest>

// A bead-recognition window opened in a workspace of its own with the fakes
// installed, worked as a child would: widgets are found by their design
// names and clicked.
template <typename Window>
class BeadWindowDriver {
public:
    BeadWindowDriver()
    {
        area.resize(1280, 760);
        area.show();
    }
    ~BeadWindowDriver() { window.Unload(); }
    BeadWindowDriver(const BeadWindowDriver&) = delete;
    BeadWindowDriver& operator=(const BeadWindowDriver&) = delete;

    void open() { window.Show(area); }

    template <typename T>
    T* find(const QString& name) const
    {
        QWidget* canvas = window.Canvas();
        return canvas ? canvas->findChild<T*>(name) : nullptr;
    }
    QPushButton* button(const QString& name) const { return find<QPushButton>(name); }
    QPushButton* answerButton(int index) const { return button(QStringLiteral("cmdNum%1").arg(index)); }
    QLabel* label(const QString& name) const { return find<QLabel>(name); }
    QLineEdit* box(const QString& name) const { return find<QLineEdit>(name); }
    PictureBox* pic() const { return find<PictureBox>(QStringLiteral("pic")); }
    QTimer* timer() const { return find<QTimer>(QStringLiteral("Timer1")); }

    void click(const QString& name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    void type(const QString& name, const QString& text) const { box(name)->setText(text); }
    void start() const { click(QStringLiteral("cmdStart")); }

    QStringList answerCaptions() const
    {
        return {answerButton(0)->text(), answerButton(1)->text(), answerButton(2)->text()};
    }
    // The first answer button whose caption is (or is not) the number asked.
    int answerIndex(bool right) const
    {
        const QStringList captions = answerCaptions();
        for (int i = 0; i < 3; ++i) {
            if ((captions[i] == NumberText(window.CurrentNum())) == right)
                return i;
        }
        return -1;
    }
    void answer(bool right) const { QTest::mouseClick(answerButton(answerIndex(right)), Qt::LeftButton); }

    // One tick of Timer1, delivered as its interval running out would deliver
    // it; false (and nothing delivered) while the timer is stopped.
    bool tick() const
    {
        QTimer* t = timer();
        if (!t || !t->isActive())
            return false;
        QTimerEvent event(t->timerId());
        QCoreApplication::sendEvent(t, &event);
        return true;
    }

    bool answerButtonsEnabled(bool enabled) const
    {
        for (int i = 0; i < 3; ++i) {
            if (answerButton(i)->isEnabled() != enabled)
                return false;
        }
        return true;
    }

    static QColor textColour(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

    TestEnvironment env;
    QMdiArea area;
    Window window;
};
