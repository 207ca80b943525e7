#pragma once

#include <QString>

namespace app {

// Title of every message box.
inline QString ApplicationTitle() { return QStringLiteral("Tavio Biorhythm Chart Software"); }

// Caption of the main window, the About box and the exit screen.
inline QString WindowCaption() { return QStringLiteral("Tavio Biorhythm Chart Software v1.95"); }

} // namespace app
