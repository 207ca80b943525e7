#include "ui/widgets/ComboBoxAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace ui {

ComboBoxAccessible::ComboBoxAccessible(QComboBox* box)
    : QAccessibleWidget(box, QAccessible::ComboBox)
{ }

QComboBox* ComboBoxAccessible::Box() const
{
    return qobject_cast<QComboBox*>(object());
}

int ComboBoxAccessible::childCount() const
{
    const QComboBox* box = Box();
    if (box == nullptr)
        return 0;
    return box->isEditable() ? 2 : 1;
}

QAccessibleInterface* ComboBoxAccessible::child(int index) const
{
    QComboBox* box = Box();
    if (box == nullptr)
        return nullptr;
    if (index == 0)
        return QAccessible::queryAccessibleInterface(box->view());
    if (index == 1 && box->isEditable())
        return QAccessible::queryAccessibleInterface(box->lineEdit());
    return nullptr;
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const QComboBox* box = Box();
    if (box == nullptr || child == nullptr)
        return -1;
    if (child->object() == box->view())
        return 0;
    if (box->isEditable() && child->object() == box->lineEdit())
        return 1;
    return -1;
}

QAccessibleInterface* ComboBoxAccessible::childAt(int x, int y) const
{
    const QComboBox* box = Box();
    if (box == nullptr || !box->isEditable())
        return nullptr;
    const QLineEdit* field = box->lineEdit();
    return QRect(field->mapToGlobal(QPoint(0, 0)), field->size()).contains(x, y) ? child(1) : nullptr;
}

QAccessibleInterface* ComboBoxAccessible::focusChild() const
{
    // An editable box is its text field's focus proxy: the field never has
    // the focus itself, yet it is what the user types into.
    const QComboBox* box = Box();
    if (box != nullptr && box->isEditable())
        return child(1);
    return nullptr;
}

QString ComboBoxAccessible::text(QAccessible::Text t) const
{
    const QComboBox* box = Box();
    if (box == nullptr)
        return {};
    const QString shown = box->isEditable() ? box->lineEdit()->text() : box->currentText();
    switch (t) {
    case QAccessible::Name: {
        // A box without a name of its own is at least read by what it shows.
        const QString name = box->accessibleName();
        return name.isEmpty() ? shown : name;
    }
    case QAccessible::Value:
        return shown;
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State ComboBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (const QComboBox* box = Box()) {
        state.expandable = true;
        state.expanded = box->view()->isVisible();
        state.editable = box->isEditable();
    }
    return state;
}

QStringList ComboBoxAccessible::actionNames() const
{
    return QStringList { showMenuAction(), pressAction() } + QAccessibleWidget::actionNames();
}

void ComboBoxAccessible::doAction(const QString& actionName)
{
    QComboBox* box = Box();
    if (box == nullptr)
        return;
    if (actionName != showMenuAction() && actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (box->view()->isVisible())
        box->hidePopup();
    else
        box->showPopup();
}

} // namespace ui
