#pragma once

class QGroupBox;

namespace ui {

// The exit screen's panels: white bold Verdana captions on navy.
void StyleNavyPanel(QGroupBox* panel);

} // namespace ui
