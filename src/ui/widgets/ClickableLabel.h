#pragma once

#include <QLabel>

namespace ui {

// A label that acts as a web link: pointing-hand pointer, and clicked() when
// the left button is released over it after being pressed on it, as a button
// would. Its look (underline, colour) is the owner's choice. Assistive
// technology sees it as a link whose press action is a click.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    // What a click does, for a user who cannot click: a screen reader's
    // press action.
    void Activate();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed = false;
};

} // namespace ui
