// The push button.
#include "platform/ui/button.h"

#include <QKeyEvent>

namespace kelmorite::ui {

Button::Button(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setAutoDefault(false);
    setDefault(false);
}

void Button::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace kelmorite::ui
