#include "app/MessageBoxPrompter.h"

#include "app/AppInfo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>

namespace app {
namespace {

// A Yes/No question has no cancel: only its two buttons answer it. Qt would
// take Escape and the close box as No; here both leave the box open, and the
// close box is not offered at all. A box with OK alone closes as usual.
class PromptBox final : public QMessageBox {
public:
    PromptBox(const QString& text, MessageIcon icon, MessageButtons buttons, QWidget* parent)
        : QMessageBox(icon == MessageIcon::Critical ? Critical : Information, ApplicationTitle(), text,
            buttons == MessageButtons::YesNo ? Yes | No : StandardButtons(Ok), parent)
        , buttonsOnly(buttons == MessageButtons::YesNo)
    {
        if (buttonsOnly)
            setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                | Qt::WindowSystemMenuHint);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (buttonsOnly && event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }

    void closeEvent(QCloseEvent* event) override
    {
        if (buttonsOnly && clickedButton() == nullptr) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

private:
    bool buttonsOnly;
};

} // namespace

MessageAnswer MessageBoxPrompter::Show(const QString& text, MessageIcon icon, MessageButtons buttons)
{
    PromptBox box(text, icon, buttons, QApplication::activeWindow());
    const int result = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace app
