#include "platform/EventLoopWaiter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {
bool g_programEnding = false;
}

bool EventLoopWaiter::Delay(int milliseconds)
{
    // Once the program is ending no event routine may run any more, not even
    // the one pass of pending events every wait otherwise makes.
    if (g_programEnding)
        return false;
    QElapsedTimer elapsed;
    elapsed.start();
    QCoreApplication::processEvents();
    while (!g_programEnding) {
        const qint64 remaining = milliseconds - elapsed.elapsed();
        if (remaining <= 0)
            return true;
        QEventLoop loop;
        QTimer wakeUp;
        wakeUp.setSingleShot(true);
        wakeUp.setTimerType(Qt::PreciseTimer);
        bool timedOut = false;
        QObject::connect(&wakeUp, &QTimer::timeout, &loop, [&] {
            timedOut = true;
            loop.quit();
        });
        wakeUp.start(static_cast<int>(remaining));
        loop.exec();
        // Only the application's exit stops this loop before its own timer.
        if (!timedOut && elapsed.elapsed() < milliseconds)
            g_programEnding = true;
    }
    return false;
}

void EventLoopWaiter::EndProgram()
{
    g_programEnding = true;
    QCoreApplication::exit(0);
}

bool EventLoopWaiter::ProgramEnding() { return g_programEnding; }
