#pragma once

#include "app/MessagePrompter.h"

namespace app {

// The real message boxes: modal, titled with the application title, over the
// active window when there is one.
class MessageBoxPrompter final : public MessagePrompter {
public:
    MessageAnswer Show(const QString& text, MessageIcon icon, MessageButtons buttons) override;
};

} // namespace app
