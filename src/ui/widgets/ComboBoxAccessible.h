#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace ui {

// A drop-down box as assistive technology sees it: named by its accessible
// name, its value the text it shows. Qt's own interface names a box by its
// text on Linux and Unix (expecting a label to name it), so the six date
// boxes, which share two labels, would be read as "Jan", "4" and "1980";
// this one reads "Birth month", "Birth day" and so on on every platform. The
// list and, when the box is editable, its text field are the children, as
// with Qt's interface.
class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox* box);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QComboBox* Box() const;
};

} // namespace ui
