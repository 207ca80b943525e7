#pragma once

#include <QCheckBox>

namespace ui {

// A tick box that acts as a link: the owner opens a page and unticks it on
// each click. Besides the space bar, which a tick box already takes, Enter
// and Return click it, as they follow a focused link; assistive technology
// is told it is a link (see Accessibility.h).
class LinkCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit LinkCheckBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace ui
