#pragma once

// The About box: the program's name and version, what it does, and two links
// into the web site. Shown modally over the main window, built afresh each
// time; it reads nothing and changes nothing but the pages it opens.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace web {
class Launcher;
}

namespace ui {

class ClickableLabel;

class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(web::Launcher& launcher, QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void lblHomePage_Click();
    void lblCoBrand_Click();

    web::Launcher& launcher;
    QPushButton* cmdOK;
    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* Label1;
    ClickableLabel* lblHomePage;
    QLabel* Label3;
    ClickableLabel* lblCoBrand;
    QFrame* Line2[2];
};

} // namespace ui
