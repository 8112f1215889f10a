#pragma once

#include <QLabel>
#include <QRect>
#include <QTest>

// Checks that a control stands where the design puts it. A label may have
// grown from its designed top left to fit its caption in the installed face,
// and then shows the whole caption.
inline void CheckDesignedPlace(const QWidget& control, const QRect& place)
{
    if (!qobject_cast<const QLabel*>(&control)) {
        QCOMPARE(control.geometry(), place);
        return;
    }
    QCOMPARE(control.pos(), place.topLeft());
    QVERIFY(control.width() >= place.width() && control.height() >= place.height());
    QVERIFY(control.width() >= control.sizeHint().width() && control.height() >= control.sizeHint().height());
}
