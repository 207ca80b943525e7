#include "ui/widgets/Accessibility.h"

#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/ComboBoxAccessible.h"
#include "ui/widgets/LinkAccessible.h"
#include "ui/widgets/LinkCheckBox.h"

#include <QAccessible>
#include <QComboBox>

namespace ui {
namespace {

// Qt asks with each class name of the object, most derived first; answering
// only for the exact class keeps any other subclass on Qt's own interfaces.
QAccessibleInterface* ProgramInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()))
        if (auto* link = qobject_cast<ClickableLabel*>(object))
            return new LinkAccessible(link);
    if (className == QLatin1String(LinkCheckBox::staticMetaObject.className()))
        if (auto* link = qobject_cast<LinkCheckBox*>(object))
            return new LinkAccessible(link);
    if (className == QLatin1String(QComboBox::staticMetaObject.className()))
        if (auto* box = qobject_cast<QComboBox*>(object))
            return new ComboBoxAccessible(box);
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    // Qt keeps each factory once, however often it is installed.
    QAccessible::installFactory(&ProgramInterface);
}

} // namespace ui
