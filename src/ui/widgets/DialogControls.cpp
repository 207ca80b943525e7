#include "ui/widgets/DialogControls.h"

#include <QComboBox>
#include <QPushButton>

namespace ui {

QPushButton* MakeDialogButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

void FillPeriodBox(QComboBox& box, int months)
{
    for (const int count : { 1, 3, 6, 12 })
        box.addItem(count == 1 ? QStringLiteral("1 month") : QStringLiteral("%1 months").arg(count), count);
    box.setCurrentIndex(box.findData(months));
}

} // namespace ui
