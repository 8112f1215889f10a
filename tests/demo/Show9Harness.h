#pragma once

#include "RecordingObserver.h"
#include "TestEnvironment.h"
#include "abacus/DrawingSurface.h"
#include "demo/frmShow9.h"
#include "platform/PictureBox.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMetaObject>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// Counts what the abacus draws and draws nothing: a full pass redraws the
// ten rods some three hundred times, too slow on a real picture for tests
// that only follow the numbers.
class CountingSurface final : public DrawingSurface {
public:
    void setScale(double, double, double, double) override { ++calls; }
    void setBackColor(std::int32_t) override { ++calls; }
    void clear() override { ++calls; }
    void setLineWidth(int) override { ++calls; }
    void drawLine(float, float, float, float, std::int32_t) override { ++calls; }
    void drawRectangle(float, float, float, float, std::int32_t) override { ++calls; }

    int calls = 0;
};

// The demonstration window, loaded in a workspace of its own with every
// wait returning at once. "关闭" only counts and makes later waits report
// the program's end, as the real end of the program would.
class Show9Harness {
public:
    // Where the loaded abacus draws: on the window's pic, or counted only.
    enum class Drawing { OnPic, Counted };

    explicit Show9Harness(Drawing drawing = Drawing::Counted)
        : window([this] {
            ++programEnds;
            env.waiter.programEnding = true;
        })
    {
        area.resize(1280, 720);
        area.show();
        window.Abacus().addObserver(&said);
        window.Show(area);
        if (drawing == Drawing::Counted)
            drawCounted();
    }

    ~Show9Harness()
    {
        if (window.IsLoaded())
            window.Unload();
        flushDeletes();
    }

    Show9Harness(const Show9Harness&) = delete;
    Show9Harness& operator=(const Show9Harness&) = delete;

    template <typename Widget>
    Widget* find(const char* name) const
    {
        return window.Canvas() ? window.Canvas()->findChild<Widget*>(QString::fromLatin1(name)) : nullptr;
    }

    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QTimer* timer() const { return find<QTimer>("Timer1"); }
    PictureBox* pic() const { return find<PictureBox>("pic"); }
    QString caption() const { return button("cmdYanShi2")->text(); }
    bool timerOn() const { return timer() && timer()->isActive(); }
    double value() { return window.Abacus().Value(); }

    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    // One tick of Timer1, delivered the way the timer delivers it.
    void tick() { QMetaObject::invokeMethod(timer(), "timeout", Qt::DirectConnection); }

    // Moves the abacus, with the number it shows, off the window's pic.
    void drawCounted()
    {
        const double shown = value();
        window.Abacus().Init(&counted, window.Abacus().Cols());
        window.Abacus().Draw(shown);
    }

    // Lets a closed window's widgets go, as the event loop would.
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TestEnvironment env;
    // What the window's abacus says of its animations.
    RecordingObserver said{env.waiter};
    CountingSurface counted;
    QMdiArea area;
    int programEnds = 0;
    frmShow9 window;
};
