#pragma once

#include <QStringList>
#include <QWidget>

// The controls of `window` that Tab stops at, by name, in the order Tab
// visits them; disabled ones count, as in the design, hidden ones do not.
inline QStringList TabStops(const QWidget& window)
{
    QStringList stops;
    const QWidget* widget = &window;
    while ((widget = widget->nextInFocusChain()) != &window) {
        if (window.isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&window))
            stops << widget->objectName();
    }
    return stops;
}
