#pragma once

// The four texts of the explanation panel. Which one shows is read back from
// the heading on screen, so the panel keeps no state of its own.

#include <QString>

namespace ui {

enum class ExplanationSource { Background, Physical, Emotional, Intellectual };

struct Explanation {
    QString heading;
    QString body; // the general body's two paragraphs are joined by "\r\n"
};

// The explanation shown while the mouse is over source; the background of
// the strip brings back the general one.
const Explanation& ExplanationFor(ExplanationSource source);

// The body as a label shows it: "\r\n" becomes one line break.
QString DisplayedBody(const QString& body);

} // namespace ui
