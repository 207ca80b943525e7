#include "ui/exit/ReferAFriendForm.h"

#include "app/MessagePrompter.h"
#include "ui/Look.h"
#include "ui/exit/NavyPanel.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <limits>
#include <utility>

namespace ui {
namespace {

QString Placeholder(std::string_view placeholder)
{
    return FromUtf8(placeholder);
}

} // namespace

ReferAFriendForm::ReferAFriendForm(web::Launcher& launcher, app::MessagePrompter& prompter, QWidget* parent)
    : QGroupBox(QStringLiteral("Refer A Friend"), parent)
    , rules(launcher)
    , prompter(prompter)
{
    setObjectName(QStringLiteral("Frame2"));
    StyleNavyPanel(this);

    // Created in tab order; the boxes take the window's plain font, not the
    // panel's bold caption font.
    txtName = AddBox("txtName", Placeholder(ReferAFriend::kNamePlaceholder));
    txtName->setGeometry(TwipsRect(85, 360, 3375, 285));

    cmdSubmit = new QPushButton(QStringLiteral("Refer A Friend &Now"), this);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit->setFont(VerdanaFont(8.25, true));
    cmdSubmit->setGeometry(TwipsRect(1920, 1080, 3375, 285));

    txtEmail = AddBox("txtEmail", Placeholder(ReferAFriend::kEmailPlaceholder));
    txtEmail->setGeometry(TwipsRect(3600, 360, 3375, 285));
    txtFriendEmail = AddBox("txtFriendEmail", Placeholder(ReferAFriend::kFriendEmailPlaceholder));
    txtFriendEmail->setGeometry(TwipsRect(3600, 720, 3375, 285));
    txtFriendName = AddBox("txtFriendName", Placeholder(ReferAFriend::kFriendNamePlaceholder));
    txtFriendName->setGeometry(TwipsRect(85, 720, 3375, 285));

    // Below the panel's lower edge, so never seen; it still takes the focus
    // by Tab, and what it holds is sent as the message.
    txtMessage = AddBox("txtMessage", Placeholder(ReferAFriend::kMessagePlaceholder) + QStringLiteral("\r\n"));
    txtMessage->setGeometry(TwipsRect(4800, 3600, 1815, 495));

    SetAccessibleNames();

    const QList<QWidget*> chain = TabChain();
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    connect(cmdSubmit, &QPushButton::clicked, this, &ReferAFriendForm::cmdSubmit_Click);
}

QLineEdit* ReferAFriendForm::AddBox(const char* name, const QString& initialText)
{
    auto* box = new QLineEdit(initialText, this);
    box->setObjectName(QString::fromLatin1(name));
    // The boxes take text of any length; QLineEdit would stop at 32,767
    // characters without a word.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setFont(SansSerifFont(8.25));
    box->setCursorPosition(0);
    box->installEventFilter(this);
    return box;
}

// The boxes' prompts are their texts, gone once the user types; a screen
// reader keeps saying what each box asks for. The button names itself.
void ReferAFriendForm::SetAccessibleNames()
{
    const std::pair<QLineEdit*, const char*> names[] = {
        { txtName, "Your name" },
        { txtEmail, "Your email address" },
        { txtFriendEmail, "Friend's email address" },
        { txtFriendName, "Friend's name" },
        { txtMessage, "Your message" },
    };
    for (const auto& [box, name] : names)
        box->setAccessibleName(QString::fromLatin1(name));
}

QList<QWidget*> ReferAFriendForm::TabChain() const
{
    return { txtName, cmdSubmit, txtEmail, txtFriendEmail, txtFriendName, txtMessage };
}

std::string_view ReferAFriendForm::PlaceholderOf(const QObject* box) const
{
    if (box == txtName)
        return ReferAFriend::kNamePlaceholder;
    if (box == txtEmail)
        return ReferAFriend::kEmailPlaceholder;
    if (box == txtFriendEmail)
        return ReferAFriend::kFriendEmailPlaceholder;
    if (box == txtFriendName)
        return ReferAFriend::kFriendNamePlaceholder;
    return ReferAFriend::kMessagePlaceholder;
}

bool ReferAFriendForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr)
        return QGroupBox::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Only a move of the focus inside the program counts: switching to
        // another application, a message box or a context menu leaves the
        // box's text as it is.
        if (!MovesFocusWithinWindow(static_cast<QFocusEvent*>(event)->reason()))
            break;
        if (event->type() == QEvent::FocusIn)
            GotFocus(box);
        else
            LostFocus(box);
        break;
    }
    case QEvent::KeyPress:
        if ((box == txtEmail || box == txtFriendEmail) && DiscardTypedSpace(box, static_cast<QKeyEvent*>(event)))
            return true;
        break;
    default:
        break;
    }
    return QGroupBox::eventFilter(watched, event);
}

void ReferAFriendForm::GotFocus(QLineEdit* box)
{
    if (ReferAFriend::ShowsPlaceholder(box->text().toStdString(), PlaceholderOf(box)))
        box->setText(QString());
}

void ReferAFriendForm::LostFocus(QLineEdit* box)
{
    if (ReferAFriend::IsBlank(box->text().toStdString()))
        box->setText(Placeholder(PlaceholderOf(box)));
}

bool ReferAFriendForm::DiscardTypedSpace(QLineEdit* box, const QKeyEvent* key)
{
    // Typed keys only: pasted text never comes through here and keeps its
    // spaces.
    if (key->text() != QStringLiteral(" "))
        return false;
    // The warning first; the key is dropped only once the box is closed.
    prompter.Show(FromUtf8(ReferAFriend::kNoSpaceMessage), app::MessageIcon::Critical, app::MessageButtons::Ok);
    box->setFocus(Qt::OtherFocusReason);
    return true;
}

void ReferAFriendForm::cmdSubmit_Click()
{
    const ReferralEntries typed { txtName->text().toStdString(), txtEmail->text().toStdString(),
        txtMessage->text().toStdString(), txtFriendName->text().toStdString(), txtFriendEmail->text().toStdString() };
    const std::string message = rules.Submit(typed);
    if (!message.empty())
        prompter.Show(FromUtf8(message), app::MessageIcon::Critical, app::MessageButtons::Ok);
}

} // namespace ui
