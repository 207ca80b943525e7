#include "app/MessageBoxPrompter.h"

#include "app/AppInfo.h"

#include <QApplication>
#include <QMessageBox>

namespace app {

MessageAnswer MessageBoxPrompter::Show(const QString& text, MessageIcon icon, MessageButtons buttons)
{
    const QMessageBox::Icon boxIcon = icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
    const QMessageBox::StandardButtons boxButtons = buttons == MessageButtons::YesNo
        ? QMessageBox::Yes | QMessageBox::No
        : QMessageBox::StandardButtons(QMessageBox::Ok);

    QMessageBox box(boxIcon, ApplicationTitle(), text, boxButtons, QApplication::activeWindow());
    const int result = box.exec();

    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    // Closing a Yes/No box without a button counts as No.
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace app
