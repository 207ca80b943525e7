#include "app/QuitApplication.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <utility>

namespace app {

QuitApplication::QuitApplication(std::function<void(int)> endProcess)
    : endProcess(std::move(endProcess))
{ }

void QuitApplication::Run()
{
    begun = true;
    if (ended)
        return;

    // Guarded pointers: a close handler may delete other windows on the way.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows.append(window);

    for (const QPointer<QWidget>& window : windows) {
        if (ended)
            return; // a close handler came back in here and finished
        // Only what is still on screen: a window closed earlier has already
        // run its close handler, and running it twice would show the exit
        // screen again.
        if (window.isNull() || !window->isVisible())
            continue;
        try {
            window->close();
        } catch (...) {
            // Nothing stops the way out.
        }
    }
    if (ended)
        return;
    ended = true;
    endProcess(0);
}

} // namespace app
