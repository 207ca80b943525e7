#pragma once

#include <QAccessibleWidget>

namespace ui {

// A control that opens a web page, told to assistive technology as a link:
// its name is its visible text unless an accessible name is set, and its
// press action does what a click does. Serves ClickableLabel and any button
// that acts as a link (the exit screen's LinkCheckBox).
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(QWidget* link);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QString VisibleText() const;
};

} // namespace ui
