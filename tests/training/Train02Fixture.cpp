#include "Train02Fixture.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

Train02Fixture::Train02Fixture()
{
    area.resize(1280, 720);
    area.show();
    window.Abacus().addObserver(&said);
    window.Show(area);
}

Train02Fixture::~Train02Fixture()
{
    window.Unload();
    deleteClosedWidgets();
}

void Train02Fixture::click(const char* button) const { QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton); }

void Train02Fixture::setText(const char* box, const QString& text) const { find<QLineEdit>(box)->setText(text); }

QString Train02Fixture::text(const char* control) const
{
    QWidget* widget = find(control);
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        return box->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    qFatal("control %s shows no text", control);
}

bool Train02Fixture::shows(const char* control) const { return find(control)->isVisibleTo(window.Canvas()); }

void Train02Fixture::tick() const
{
    QTimer* timer = find<QTimer>("Timer1");
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

void Train02Fixture::deleteClosedWidgets() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
