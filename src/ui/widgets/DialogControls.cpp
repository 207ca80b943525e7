#include "ui/widgets/DialogControls.h"

#include "ui/Look.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace ui {

void FrameDialog(QDialog& dialog, const char* name, const QString& title, DialogBorder border)
{
    dialog.setObjectName(QString::fromLatin1(name));
    dialog.setWindowFlags(border == DialogBorder::Fixed
            ? Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            : Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    dialog.setWindowTitle(title);
    dialog.setWindowIcon(ApplicationIcon());
    dialog.setFont(SansSerifFont(8.25));
}

QPushButton* MakeDialogButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QDialogButtonBox* MakeEndingButtonBox(
    QDialog& dialog, QPushButton* button, QDialogButtonBox::ButtonRole role, Qt::Orientation orientation)
{
    auto* box = new QDialogButtonBox(orientation, &dialog);
    box->setObjectName(QStringLiteral("buttons"));
    box->addButton(button, role);
    // Where the style gives a button box's buttons icons (the Linux
    // desktop's does), a button in a box keeps an icon's height even with no
    // icon; with no icon size it keeps the height of the dialog's other
    // buttons.
    button->setIconSize(QSize(0, 0));
    // As wide as the column it stands in, as the button was; a box standing
    // in a column would otherwise keep to the button's own width.
    if (orientation == Qt::Vertical)
        box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return box;
}

void SetUpPeriodRow(QLabel& label, QComboBox& box, QLabel& range, int months)
{
    label.setObjectName(QStringLiteral("lblPeriod"));
    label.setBuddy(&box);
    box.setObjectName(QStringLiteral("cboPeriod"));
    box.setAccessibleName(QStringLiteral("Period"));
    range.setObjectName(QStringLiteral("lblRange"));
    for (const int count : { 1, 3, 6, 12 })
        box.addItem(count == 1 ? QStringLiteral("1 month") : QStringLiteral("%1 months").arg(count), count);
    box.setCurrentIndex(box.findData(months));
}

} // namespace ui
