#include "ui/widgets/ClickableLabel.h"

#include "ui/Look.h"
#include "ui/widgets/Accessibility.h"

#include <QMouseEvent>

namespace ui {

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent)
{
    setCursor(HandCursor());
    InstallAccessibility();
}

void ClickableLabel::Activate()
{
    emit clicked();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    // Taking the press keeps it from reaching whatever lies underneath.
    pressed = true;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    const bool wasPressed = pressed;
    pressed = false;
    event->accept();
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ui
