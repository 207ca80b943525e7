#include "ui/exit/NavyPanel.h"

#include "ui/Look.h"

#include <QGroupBox>

namespace ui {

void StyleNavyPanel(QGroupBox* panel)
{
    panel->setFont(VerdanaFont(9.75, true));
    panel->setAutoFillBackground(true);
    QPalette navy = panel->palette();
    navy.setColor(QPalette::Window, ColorFromBgr(0x00800000));
    navy.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(navy);
}

} // namespace ui
