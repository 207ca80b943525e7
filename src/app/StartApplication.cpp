#include "app/StartApplication.h"

#include "app/MessagePrompter.h"
#include "app/SingleInstance.h"

#include <utility>

namespace app {

namespace {

// A step that fails is abandoned and start-up goes on with the next one, so a
// broken reminder never keeps the main window away.
template <typename Step> void RunStep(Step&& step)
{
    try {
        step();
    } catch (...) { }
}

} // namespace

StartApplication::StartApplication(SingleInstance& instance, MessagePrompter& prompter,
    std::function<void()> runReminder, std::function<void()> showMainWindow, std::function<void()> quit)
    : instance(instance)
    , prompter(prompter)
    , runReminder(std::move(runReminder))
    , showMainWindow(std::move(showMainWindow))
    , quit(std::move(quit))
{ }

void StartApplication::Run()
{
    bool refused = false;
    RunStep([&] { refused = instance.AnotherIsRunning(); });
    if (refused) {
        // The first copy is left alone: not raised, not signalled. Nothing of
        // this copy's own is read or written either.
        RunStep([&] { prompter.Show(AlreadyRunningText(), MessageIcon::Information, MessageButtons::Ok); });
        quit();
        return;
    }
    RunStep(runReminder);
    RunStep(showMainWindow);
}

} // namespace app
