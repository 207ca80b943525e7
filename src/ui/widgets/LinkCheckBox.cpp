#include "ui/widgets/LinkCheckBox.h"

#include "ui/widgets/Accessibility.h"

#include <QKeyEvent>

namespace ui {

LinkCheckBox::LinkCheckBox(QWidget* parent)
    : QCheckBox(parent)
{
    InstallAccessibility();
}

void LinkCheckBox::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Alt, Ctrl or Shift with Enter is someone else's key.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QCheckBox::keyPressEvent(event);
}

} // namespace ui
