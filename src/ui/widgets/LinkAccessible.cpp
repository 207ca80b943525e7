#include "ui/widgets/LinkAccessible.h"

#include "ui/widgets/ClickableLabel.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTextDocumentFragment>

namespace ui {
namespace {

// A button's caption as it is read: "&&" is one ampersand, and a single one
// only marks the access key.
QString WithoutAccessKeyMarks(const QString& caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 >= caption.size())
                break;
            ++i;
        }
        text.append(caption[i]);
    }
    return text;
}

} // namespace

LinkAccessible::LinkAccessible(QWidget* link)
    : QAccessibleWidget(link, QAccessible::Link)
{ }

QString LinkAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name) {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? VisibleText() : name;
    }
    return QAccessibleWidget::text(t);
}

QString LinkAccessible::VisibleText() const
{
    if (const auto* label = qobject_cast<const QLabel*>(widget())) {
        // A label shows an ampersand as it is unless it has a buddy.
        const QString text = label->text();
        if (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
            return QTextDocumentFragment::fromHtml(text).toPlainText();
        return label->buddy() == nullptr ? text : WithoutAccessKeyMarks(text);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget()))
        return WithoutAccessKeyMarks(button->text());
    return {};
}

QAccessible::State LinkAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = true;
    // A link that stands in for a tick box is never ticked for the user.
    state.checkable = false;
    state.checked = false;
    return state;
}

QStringList LinkAccessible::actionNames() const
{
    QStringList names;
    if (widget()->isEnabled())
        names << pressAction();
    return names + QAccessibleWidget::actionNames();
}

void LinkAccessible::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (!widget()->isEnabled())
        return;
    if (auto* label = qobject_cast<ClickableLabel*>(widget()))
        label->Activate();
    else if (auto* button = qobject_cast<QAbstractButton*>(widget()))
        button->click();
}

} // namespace ui
