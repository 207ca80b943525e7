#pragma once

// The exit screen: the last window, shown when the main window closes. A
// random support message, links into the web site, a navy panel about the
// maker's other programs, the refer-a-friend form and the Exit button.
//
// In: the launcher, the message prompter, the quit function and a random
// source. Out: pages and the referral address handed to the launcher, the
// form's warning boxes, and the end of the program however the screen closes.
// The rules live apart from the widgets, without the toolkit: the choice of
// the support message in SupportMessage.h, the referral's checks and address
// in ReferAFriend.h. The widgets read their boxes, call them, and show what
// they answer.

#include "ui/exit/SupportMessage.h"

#include <QWidget>

#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace app {
class MessagePrompter;
}
namespace web {
class Launcher;
}

namespace ui {

class ClickableLabel;
class LinkCheckBox;
class ReferAFriendForm;

class ExitScreen : public QWidget {
    Q_OBJECT
public:
    // A draw in [0, 1); it picks the support message when the screen loads.
    using RandomSource = std::function<float()>;

    // Builds the controls and runs the load; does not show.
    ExitScreen(web::Launcher& launcher, app::MessagePrompter& prompter, std::function<void()> quit,
        RandomSource random = TimerSeededDraw, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void KeepOnTop();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();

    web::Launcher& launcher;
    std::function<void()> quit;
    RandomSource random;
    bool placed = false;

    QPushButton* cmdClose;
    LinkCheckBox* Check1;
    QLabel* picNagscreen2Icon;
    QLabel* lblNagScreen2Caption;
    QLabel* Label2;
    ReferAFriendForm* Frame2;
    QGroupBox* Frame6;
    QLabel* Label3;
    ClickableLabel* lblGoToHome;
};

} // namespace ui
