#pragma once

#include "ui/exit/ReferAFriend.h"

#include <QGroupBox>
#include <QList>

#include <string_view>

class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace app {
class MessagePrompter;
}

namespace ui {

// The navy "Refer A Friend" panel of the exit screen: four visible boxes, the
// button, and a message box parked below the panel's edge where only the Tab
// key reaches it.
class ReferAFriendForm : public QGroupBox {
    Q_OBJECT
public:
    ReferAFriendForm(web::Launcher& launcher, app::MessagePrompter& prompter, QWidget* parent);

    // The form's controls in the order the Tab key visits them.
    QList<QWidget*> TabChain() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* AddBox(const char* name, const QString& initialText);
    void SetAccessibleNames();
    std::string_view PlaceholderOf(const QObject* box) const;
    void GotFocus(QLineEdit* box);
    void LostFocus(QLineEdit* box);
    bool DiscardTypedSpace(QLineEdit* box, const QKeyEvent* key);
    void cmdSubmit_Click();

    ReferAFriend rules;
    app::MessagePrompter& prompter;
    QLineEdit* txtName;
    QPushButton* cmdSubmit;
    QLineEdit* txtEmail;
    QLineEdit* txtFriendEmail;
    QLineEdit* txtFriendName;
    QLineEdit* txtMessage;
};

} // namespace ui
