#pragma once

// The exit screen: the last window, shown when the main window closes. A
// random support message, links into the web site, a navy panel about the
// maker's other programs, the refer-a-friend form and the Exit button.
//
// In: the launcher, the message prompter, the quit function and a random
// source. Out: pages and the referral address handed to the launcher, the
// form's warning boxes, and the end of the program however the screen closes.
// The referral rules live in ReferAFriend (no toolkit); the widgets read their
// boxes, call it, and show what it answers.

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

    // The support message for a draw: floor(r * 4), kept to 0..3.
    static int MessageIndex(float r);
    static QString SupportMessage(int index);

    // A generator seeded afresh from the high-resolution clock, one draw.
    static float TimerSeededDraw();

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
