#pragma once

#include "RecordingObserver.h"
#include "TestEnvironment.h"
#include "training/frmTrain02.h"

#include <QMdiArea>
#include <QString>
#include <QWidget>

// The training window loaded in a workspace of its own, with every fake installed.
class Train02Fixture {
public:
    Train02Fixture();
    ~Train02Fixture();
    Train02Fixture(const Train02Fixture&) = delete;
    Train02Fixture& operator=(const Train02Fixture&) = delete;

    // The loaded window's control of that design name; the test stops when there is none.
    template <typename T = QWidget>
    T* find(const char* name) const
    {
        T* found = window.Canvas() ? window.Canvas()->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        if (!found)
            qFatal("frmTrain02 has no control %s", name);
        return found;
    }

    void click(const char* button) const;
    void setText(const char* box, const QString& text) const;
    QString text(const char* control) const;
    bool shows(const char* control) const;
    double shown() { return window.Abacus().Value(); }
    // One tick of the question timer, as its timeout would deliver it.
    void tick() const;
    // Puts away the widgets of a closed window, as the event loop would.
    static void deleteClosedWidgets();

    TestEnvironment env;
    QMdiArea area;
    int showAgainCalls = 0;
    // What the window's abacus says of its animations.
    RecordingObserver said{env.waiter};
    frmTrain02 window{[this] { ++showAgainCalls; }};
};
