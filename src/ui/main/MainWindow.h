#pragma once

// The main window frmBio: the chart area on the left; on the right the date
// boxes with the chart button, the explanation panel and the advertising
// links; menus along the top. This folder also holds the date boxes' rules
// (DateBoxes.h, and beneath it DateEntry.h and WholeNumberText.h with no
// toolkit), the table of web links (WebLinks.h) and the explanation texts
// (Explanations.h).
//
// In: the six date boxes' texts, today's date from the injected clock, menu
// choices, clicks and mouse movements. Out: each chart request's birthday
// and report day to the chart area (ui/chart, which draws, reads out and
// acts on the chart) and the date above it, pages handed to the launcher,
// the About box, and, when the window closes, the exit screen. Everything
// outside the window (launcher, message boxes, clock, reminder, exit screen)
// comes in through MainWindowServices.

#include "ui/dates/DateBoxes.h"
#include "ui/main/Explanations.h"

#include <QMainWindow>

#include <chrono>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace app {
class Clock;
class MessagePrompter;
} // namespace app
namespace web {
class Launcher;
}

namespace ui {

class ChartActions;
class ChartArea;
class ClickableLabel;
class PeopleWiring;

struct MainWindowServices {
    web::Launcher& launcher;
    app::MessagePrompter& prompter;
    const app::Clock& clock;
    std::function<void()> updateReminder; // first step of the load
    std::function<void()> showExitScreen; // first step of closing
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Builds every control and runs the load sequence; does not show.
    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls(QWidget* client);
    void CreateMenus();
    // A control or menu item named and captioned after its web link, whose
    // click opens the link's page.
    template <typename Control> Control* NewLink(QWidget* parent, const char* name);
    QAction* NewLinkAction(QWidget* menu, const char* name);
    void SetTabOrder();
    void SetAccessibleNames();
    void ConnectHandlers();
    void Form_Load();
    void PlaceOnScreen();

    void cmdBiorythm_Click();
    // The chart request of the button, for whoever's birthday is in the boxes.
    void RequestChart(const QString& person);
    void ShowReportDate(std::chrono::year_month_day reportDate);

    void ShowExplanation(ExplanationSource source);
    void lblRed_MouseMove() { ShowExplanation(ExplanationSource::Physical); }
    void lblGreen_MouseMove() { ShowExplanation(ExplanationSource::Emotional); }
    void lblViolet_MouseMove() { ShowExplanation(ExplanationSource::Intellectual); }
    void picExplain_MouseMove() { ShowExplanation(ExplanationSource::Background); }

    MainWindowServices services;
    bool shownBefore = false;

    QGroupBox* Frame3 = nullptr;
    QWidget* picExplain = nullptr;
    QLabel* lblRed = nullptr;
    QLabel* lblGreen = nullptr;
    QLabel* lblViolet = nullptr;
    QLabel* lblInfo[2] = {};
    ChartArea* picBiorhythm = nullptr;
    QGroupBox* Frame2 = nullptr;
    QComboBox* cboReportYear = nullptr;
    QComboBox* cboBirthYear = nullptr;
    QPushButton* cmdBiorythm = nullptr;
    QComboBox* cboBirthMonth = nullptr;
    QComboBox* cboBirthDay = nullptr;
    QComboBox* cboReportDay = nullptr;
    QComboBox* cboReportMonth = nullptr;
    std::optional<DateBoxes> birthDate;
    std::optional<DateBoxes> reportDate;
    QLabel* lblBirthday = nullptr;
    QLabel* lblReport = nullptr;
    QGroupBox* Frame1 = nullptr;
    QPushButton* Command1 = nullptr;
    ClickableLabel* lblFullBrand = nullptr;
    ClickableLabel* lblCobrand = nullptr;
    ClickableLabel* Label1 = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblMost = nullptr;
    QLabel* lblLeast = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuRun = nullptr;
    QAction* mnuhg = nullptr;
    QAction* mnuE = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuV = nullptr;
    QAction* sep2 = nullptr;
    QAction* mnuCheckUpdate = nullptr;
    QAction* sep1 = nullptr;
    QAction* sep3 = nullptr;
    QAction* mnuS = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnuMakeMoney = nullptr;

    // The chart area's context menu and shortcuts.
    ChartActions* chartActions = nullptr;
    PeopleWiring* peopleWiring = nullptr;
};

} // namespace ui
