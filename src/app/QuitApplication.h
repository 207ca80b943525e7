#pragma once

#include <functional>

namespace app {

// The one way the program ends: every window still open is closed (its close
// handler runs), then the process ends with status 0. A window's close handler
// may call back in while this runs; the nested call finishes the job and the
// outer one then does nothing more, so the end comes exactly once.
class QuitApplication {
public:
    // endProcess receives the exit status; main hands it to the event loop.
    explicit QuitApplication(std::function<void(int)> endProcess);

    void Run();

    // From the first call on: nothing may open a window any more.
    bool Begun() const { return begun; }
    // The process has been told to end.
    bool Ended() const { return ended; }

private:
    std::function<void(int)> endProcess;
    bool begun = false;
    bool ended = false;
};

} // namespace app
