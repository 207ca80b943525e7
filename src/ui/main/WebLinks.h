#pragma once

// The main window's links to the maker's web site: every button, label and
// menu item that opens a page, with its caption and the page it opens, in one
// table. The window names and captions these controls from their rows and
// makes each one's handler from its row, so which control opens which page is
// read in one place.

#include "web/PageAddress.h"

#include <QString>

#include <optional>
#include <string_view>

class QWidget;

namespace web {
class Launcher;
}

namespace ui {

struct WebLink {
    std::string_view objectName;
    std::string_view caption;
    // None for the link to the bare site, which opens owned by the window
    // and whose caption holds "%1" where the site's address goes.
    std::optional<web::PageKey> page;
};

// The row of the control named objectName; throws std::out_of_range for a
// name the table lacks, which is a mistake in the window's code.
const WebLink& MainWindowLink(std::string_view objectName);

// The caption as the control shows it.
QString LinkCaption(const WebLink& link);

// Hands the link's address to the launcher on behalf of window.
void OpenLink(const WebLink& link, web::Launcher& launcher, QWidget& window);

} // namespace ui
