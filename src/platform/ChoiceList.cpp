#include "platform/ChoiceList.h"

#include <QAbstractItemView>
#include <QKeyEvent>

ChoiceList::ChoiceList(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(false);
}

void ChoiceList::showPopup()
{
    // The popup takes the list's own width unless its view asks for more.
    QAbstractItemView* items = view();
    items->setMinimumWidth(items->sizeHintForColumn(0) + 2 * items->frameWidth());
    QComboBox::showPopup();
}

void ChoiceList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
        setCurrentIndex(-1);
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}
