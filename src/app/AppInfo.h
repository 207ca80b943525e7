#pragma once

#include <QString>

namespace app {

// Title of every message box.
inline QString ApplicationTitle()
{
    return QStringLiteral("Tavio Biorhythm Chart Software");
}

// Caption of the main window, the About box and the exit screen. The version
// is the project's, given by the build (src/app/CMakeLists.txt).
inline QString WindowCaption()
{
    return QStringLiteral("Tavio Biorhythm Chart Software v" BIORHYTHM_VERSION);
}

} // namespace app
