#pragma once

// The exit screen's support message: one of four texts, each naming the web
// site, picked by one random draw each time the screen loads. No toolkit:
// the screen shows what these answer.

#include <string>

namespace ui {

inline constexpr int kSupportMessageCount = 4;

// The message a draw r in [0, 1) picks: floor(r * 4), kept to 0..3 whatever
// r is (a NaN picks 0).
int SupportMessageIndex(float r);

// The message's text, in UTF-8; an index outside 0..3 gives message 1.
std::string SupportMessage(int index);

// One draw in [0, 1) from a generator seeded afresh from the high-resolution
// clock.
float TimerSeededDraw();

} // namespace ui
