#include "ui/main/MainWindow.h"

#include "app/AppInfo.h"
#include "app/Clock.h"
#include "app/DateText.h"
#include "app/MessagePrompter.h"
#include "chart/BiorhythmCycle.h"
#include "chart/ChartPlot.h"
#include "chart/DateComposition.h"
#include "ui/Look.h"
#include "ui/about/AboutBox.h"
#include "ui/actions/ChartActions.h"
#include "ui/actions/ChartViewActions.h"
#include "ui/chart/ChartArea.h"
#include "ui/dates/DateEntry.h"
#include "ui/main/PeopleWiring.h"
#include "ui/main/WebLinks.h"
#include "ui/widgets/Accessibility.h"
#include "ui/widgets/ClickableLabel.h"
#include "web/Launcher.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QShowEvent>

#include <type_traits>
#include <utility>

namespace ui {
namespace {

constexpr int kClientWidth = 10395;
constexpr int kClientHeight = 7275;

} // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent)
    , services(std::move(services))
{
    // Before any control exists, so that none is described by Qt's defaults.
    InstallAccessibility();
    setObjectName(QStringLiteral("frmBio"));
    setWindowTitle(app::WindowCaption());
    setWindowIcon(ApplicationIcon());
    setFont(SansSerifFont(8.25));
    // Fixed dialog border: a close box, no minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Px(kClientWidth), Px(kClientHeight));
    setCentralWidget(client);

    CreateControls(client);
    CreateMenus();
    SetTabOrder();
    SetAccessibleNames();
    ConnectHandlers();
    LetEnterClickFocusedButtons(this);
    chartActions = new ChartActions(*picBiorhythm, this->services.prompter, this);
    chartActions->ViewActions().SetClock(this->services.clock);
    peopleWiring
        = new PeopleWiring(*birthDate, *reportDate, *picBiorhythm, this->services.prompter, this->services.clock, this);
    connect(peopleWiring, &PeopleWiring::chartRequested, this, &MainWindow::RequestChart);
    chartActions->SetPeopleOpener([this] { peopleWiring->OpenPeople(); });
    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());

    Form_Load();
    cboReportMonth->setFocus();
}

void MainWindow::CreateControls(QWidget* client)
{
    // Within each container the controls are listed top of the stack first.
    Frame3 = new QGroupBox(QStringLiteral("Biorythm Explained"), client);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setGeometry(TwipsRect(6570, 2010, 3825, 3495));
    Frame3->setFont(SansSerifFont(8.25, true));

    picExplain = new QWidget(Frame3);
    picExplain->setObjectName(QStringLiteral("picExplain"));
    picExplain->setGeometry(TwipsRect(90, 210, 3675, 405));
    picExplain->setAutoFillBackground(true);
    {
        QPalette palette = picExplain->palette();
        palette.setColor(QPalette::Window, ColorFromBgr(0x000000));
        picExplain->setPalette(palette);
    }
    picExplain->setFocusPolicy(Qt::StrongFocus);
    picExplain->setMouseTracking(true);

    // One name per cycle, in the chart's order, in the colour of its curve.
    const struct {
        QLabel** label;
        const char* name;
        int left;
    } legend[] = {
        { &lblRed, "lblRed", 120 },
        { &lblGreen, "lblGreen", 1410 },
        { &lblViolet, "lblViolet", 2790 },
    };
    static_assert(std::extent_v<decltype(legend)> == chart::kCycles.size(),
        "MainWindow: give the new cycle a label and a place in the legend strip, and an explanation");
    for (std::size_t i = 0; i < chart::kCycles.size(); ++i) {
        const auto& entry = legend[i];
        const chart::BiorhythmCycle& cycle = chart::kCycles[i];
        auto* label = new QLabel(FromUtf8(cycle.name), picExplain);
        label->setObjectName(QString::fromLatin1(entry.name));
        label->setFont(SansSerifFont(8.25));
        SetTextColor(label, ColorFromBgr(cycle.colour));
        label->move(Px(entry.left), Px(90));
        label->adjustSize();
        label->setMouseTracking(true);
        *entry.label = label;
    }

    lblInfo[1] = new QLabel(Frame3);
    // The body reaches down to the frame's lower border rather than the
    // designed 2475 twips: with the substitute fonts the general text needs
    // a few pixels more than the design height to show its last line whole.
    lblInfo[1]->setGeometry(Px(90), Px(945), Px(3675), Px(3495) - Px(945) - 2);
    lblInfo[1]->setFont(SansSerifFont(8.25));
    lblInfo[1]->setWordWrap(true);
    lblInfo[1]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblInfo[0] = new QLabel(QStringLiteral("General:"), Frame3);
    lblInfo[0]->move(Px(90), Px(660));
    lblInfo[0]->setFont(SansSerifFont(8.25, true));
    SetTextColor(lblInfo[0], ColorFromBgr(0x000000));
    lblInfo[0]->adjustSize();
    for (int index = 0; index < 2; ++index) {
        lblInfo[index]->setObjectName(QStringLiteral("lblInfo"));
        lblInfo[index]->setProperty("index", index);
    }

    picBiorhythm = new ChartArea(client);
    picBiorhythm->setObjectName(QStringLiteral("picBiorhythm"));
    picBiorhythm->setGeometry(TwipsRect(30, 780, 6465, 6465));
    picBiorhythm->setFocusPolicy(Qt::StrongFocus);

    Frame2 = new QGroupBox(QStringLiteral("Enter Your Details"), client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(TwipsRect(6570, 270, 3825, 1695));
    Frame2->setFont(SansSerifFont(8.25, true));

    cboReportYear = EditableBox(Frame2);
    cboReportYear->setObjectName(QStringLiteral("cboReportYear"));
    cboReportYear->setGeometry(TwipsRect(2760, 780, 975, 315));
    cboReportYear->setEditText(QStringLiteral("Combo1"));

    cboBirthYear = new QComboBox(Frame2);
    cboBirthYear->setObjectName(QStringLiteral("cboBirthYear"));
    cboBirthYear->setGeometry(TwipsRect(2760, 210, 975, 315));

    cmdBiorythm = new QPushButton(QStringLiteral("Create Biorhythm Chart"), Frame2);
    cmdBiorythm->setObjectName(QStringLiteral("cmdBiorythm"));
    cmdBiorythm->setGeometry(TwipsRect(690, 1230, 2445, 345));
    cmdBiorythm->setFont(SansSerifFont(8.25, true));

    cboBirthMonth = new QComboBox(Frame2);
    cboBirthMonth->setObjectName(QStringLiteral("cboBirthMonth"));
    cboBirthMonth->setGeometry(TwipsRect(1230, 210, 735, 315));

    cboBirthDay = EditableBox(Frame2);
    cboBirthDay->setObjectName(QStringLiteral("cboBirthDay"));
    cboBirthDay->setGeometry(TwipsRect(2070, 210, 615, 315));

    cboReportDay = EditableBox(Frame2);
    cboReportDay->setObjectName(QStringLiteral("cboReportDay"));
    cboReportDay->setGeometry(TwipsRect(2070, 780, 615, 315));

    cboReportMonth = new QComboBox(Frame2);
    cboReportMonth->setObjectName(QStringLiteral("cboReportMonth"));
    cboReportMonth->setGeometry(TwipsRect(1230, 780, 735, 315));

    birthDate.emplace(cboBirthMonth, cboBirthDay, cboBirthYear, kLastBirthYear, [] { return kDefaultBirthDay; });
    reportDate.emplace(cboReportMonth, cboReportDay, cboReportYear, kLastReportYear,
        [this] { return static_cast<int>(static_cast<unsigned>(services.clock.Today().day())); });
    birthDate->Fill();
    reportDate->Fill();
    for (QComboBox* box : { cboReportYear, cboBirthYear, cboBirthMonth, cboBirthDay, cboReportDay, cboReportMonth })
        box->setFont(SansSerifFont(8.25));

    lblBirthday = new QLabel(QStringLiteral("Birthday: "), Frame2);
    lblBirthday->setObjectName(QStringLiteral("lblBirthday"));
    lblBirthday->setGeometry(TwipsRect(360, 255, 825, 240));
    lblBirthday->setFont(SansSerifFont(9.75));
    lblReport = new QLabel(QStringLiteral("Report Day: "), Frame2);
    lblReport->setObjectName(QStringLiteral("lblReport"));
    lblReport->setGeometry(TwipsRect(90, 810, 1125, 240));
    lblReport->setFont(SansSerifFont(9.75));

    Frame1 = new QGroupBox(client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwipsRect(6570, 5550, 3825, 1695));
    Frame1->setFont(SansSerifFont(8.25, true));

    Command1 = NewLink<QPushButton>(Frame1, "Command1");
    Command1->setGeometry(TwipsRect(1140, 1320, 1575, 285));
    Command1->setFont(SansSerifFont(8.25, true));

    // The two advertising links share one rectangle and are opaque, so only
    // the upper one, lblFullBrand, is ever seen or clicked.
    lblFullBrand = NewLink<ClickableLabel>(Frame1, "lblFullBrand");
    lblCobrand = NewLink<ClickableLabel>(Frame1, "lblCobrand");
    for (ClickableLabel* link : { lblFullBrand, lblCobrand }) {
        link->setGeometry(TwipsRect(120, 120, 3585, 1095));
        link->setFont(VerdanaFont(8.25, true, true));
        SetTextColor(link, ColorFromBgr(0xFF0000));
        link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        link->setWordWrap(true);
        link->setAutoFillBackground(true);
    }

    Label1 = NewLink<ClickableLabel>(client, "Label1");
    Label1->move(Px(450), Px(30));
    Label1->setFont(SansSerifFont(8.25, true, true));
    SetTextColor(Label1, ColorFromBgr(0xFF0000));
    Label1->adjustSize();

    lblDate = new QLabel(QStringLiteral("1/4/99"), client);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblDate->setGeometry(TwipsRect(2970, 510, 645, 240));
    lblDate->setFont(SansSerifFont(9.75, true));
    lblDate->setAlignment(Qt::AlignCenter);

    lblMost = new QLabel(QStringLiteral("14"), client);
    lblMost->setObjectName(QStringLiteral("lblMost"));
    lblMost->setGeometry(TwipsRect(5520, 540, 1005, 240));
    lblMost->setFont(SansSerifFont(9.75, true));
    lblMost->setAlignment(Qt::AlignRight | Qt::AlignTop);

    lblLeast = new QLabel(QStringLiteral("-14"), client);
    lblLeast->setObjectName(QStringLiteral("lblLeast"));
    lblLeast->setGeometry(TwipsRect(60, 540, 1290, 240));
    lblLeast->setFont(SansSerifFont(9.75, true));
    lblLeast->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Lowering each in list order leaves the first listed on top.
    const std::initializer_list<QWidget*> stacks[] = {
        { Frame3, picBiorhythm, Frame2, Frame1, Label1, lblDate, lblMost, lblLeast },
        { picExplain, lblInfo[1], lblInfo[0] },
        { lblRed, lblGreen, lblViolet },
        { cboReportYear, cboBirthYear, cmdBiorythm, cboBirthMonth, cboBirthDay, cboReportDay, cboReportMonth,
            lblBirthday, lblReport },
        { Command1, lblFullBrand, lblCobrand },
    };
    for (const auto& stack : stacks)
        for (QWidget* widget : stack)
            widget->lower();
}

void MainWindow::CreateMenus()
{
    auto named = [](QAction* action, const char* name) {
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuRun = named(mnuFile->addAction(QStringLiteral("&Create Biorythm Chart")), "mnuRun");
    mnuhg = named(mnuFile->addSeparator(), "mnuhg");
    mnuE = named(mnuFile->addAction(QStringLiteral("Exit")), "mnuE");

    mnuHelp = menuBar()->addMenu(QStringLiteral("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline = NewLinkAction(mnuHelp, "mnuOnline");
    mnuV = NewLinkAction(mnuHelp, "mnuV");
    sep2 = named(mnuHelp->addSeparator(), "sep2");
    mnuCheckUpdate = NewLinkAction(mnuHelp, "mnuCheckUpdate");
    sep1 = named(mnuHelp->addSeparator(), "sep1");
    sep3 = named(mnuHelp->addSeparator(), "sep3");
    sep3->setVisible(false);
    mnuS = named(mnuHelp->addAction(QStringLiteral("About Us")), "mnuS");

    mnuDonate = NewLinkAction(menuBar(), "mnuDonate");
    mnuMakeMoney = NewLinkAction(menuBar(), "mnuMakeMoney");
    mnuMakeMoney->setVisible(false);
}

template <typename Control> Control* MainWindow::NewLink(QWidget* parent, const char* name)
{
    const WebLink& link = MainWindowLink(name);
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setText(LinkCaption(link));
    connect(control, &Control::clicked, this, [this, &link] { OpenLink(link, services.launcher, *this); });
    return control;
}

QAction* MainWindow::NewLinkAction(QWidget* menu, const char* name)
{
    const WebLink& link = MainWindowLink(name);
    QAction* action = menu->addAction(LinkCaption(link));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [this, &link] { OpenLink(link, services.launcher, *this); });
    return action;
}

void MainWindow::SetTabOrder()
{
    const QWidget* order[] = { cboReportMonth, cboReportDay, cboBirthDay, cboBirthMonth, cmdBiorythm, picBiorhythm,
        picExplain, cboBirthYear, cboReportYear, Command1 };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
}

// What a screen reader calls the controls whose caption does not say it: the
// six date boxes show only their value, and the legend strip no text at all.
// The chart area names itself, the buttons and links by their captions.
void MainWindow::SetAccessibleNames()
{
    const std::pair<QWidget*, const char*> names[] = {
        { cboBirthMonth, "Birth month" },
        { cboBirthDay, "Birth day" },
        { cboBirthYear, "Birth year" },
        { cboReportMonth, "Report month" },
        { cboReportDay, "Report day" },
        { cboReportYear, "Report year" },
    };
    for (const auto& [control, name] : names) {
        control->setAccessibleName(QString::fromLatin1(name));
        // An editable box passes the focus to its text field, which is what
        // a screen reader announces while the user types.
        if (auto* box = qobject_cast<QComboBox*>(control); box != nullptr && box->isEditable())
            box->lineEdit()->setAccessibleName(QString::fromLatin1(name));
    }
    QStringList cycles;
    for (const chart::BiorhythmCycle& cycle : chart::kCycles)
        cycles << FromUtf8(cycle.name);
    picExplain->setAccessibleName(QStringLiteral("Cycle legend: ") + cycles.join(QStringLiteral(", ")));
    // The row labels name their rows; without an ampersand in them this
    // changes no key, only what the first box of each row is labelled by.
    lblBirthday->setBuddy(cboBirthMonth);
    lblReport->setBuddy(cboReportMonth);
}

void MainWindow::ConnectHandlers()
{
    for (QObject* watched : std::initializer_list<QObject*> {
             cboBirthDay, cboReportDay, cboBirthYear, cboReportYear, lblRed, lblGreen, lblViolet, picExplain })
        watched->installEventFilter(this);

    // The links and their menu items were connected as they were made.
    connect(cmdBiorythm, &QPushButton::clicked, this, &MainWindow::cmdBiorythm_Click);
    // Unlike the button, the menu leaves the focus where it is, so a box being
    // edited is drawn with its text uncorrected.
    connect(mnuRun, &QAction::triggered, this, &MainWindow::cmdBiorythm_Click);
    connect(mnuE, &QAction::triggered, this, &MainWindow::close);
    connect(mnuS, &QAction::triggered, this, [this] {
        AboutBox about(services.launcher, this);
        about.exec();
    });
}

void MainWindow::Form_Load()
{
    if (services.updateReminder) {
        try {
            services.updateReminder();
        } catch (...) {
            // A failing reminder never keeps the window from opening.
        }
    }

    PlaceOnScreen();
    picBiorhythm->SetScaleWidth(chart::kChartDays);

    // The report day starts at today, read from the clock at each step.
    const std::chrono::month thisMonth = services.clock.Today().month();
    const std::chrono::day thisDay = services.clock.Today().day();
    reportDate->Show(services.clock.Today().year() / thisMonth / thisDay);
    // Above the chart until the first one: the report day the boxes start
    // with, or the zero date should they spell none.
    const std::chrono::year_month_day firstReportDate
        = reportDate->Date().value_or(std::chrono::year { 1899 } / std::chrono::December / 30);
    birthDate->Show(std::chrono::year { kDefaultBirthYear } / std::chrono::January / kDefaultBirthDay);

    const Explanation& general = ExplanationFor(ExplanationSource::Background);
    lblInfo[0]->setText(general.heading);
    lblInfo[0]->adjustSize();
    lblInfo[1]->setText(DisplayedBody(general.body));

    picBiorhythm->SetupChartFrame();
    const int half = static_cast<int>(chart::kChartDays / 2);
    lblLeast->setText(QString::number(-half));
    const int mostRight = lblMost->geometry().right();
    lblMost->setText(QString::number(half));
    lblMost->adjustSize();
    lblMost->move(mostRight - lblMost->width() + 1, lblMost->y());
    ShowReportDate(firstReportDate);
}

void MainWindow::PlaceOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->geometry();
    const float left = (static_cast<float>(area.width()) - static_cast<float>(frameGeometry().width())) / 2.0f;
    move(area.x() + static_cast<int>(left), area.y());
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The load places the window before it has a frame; once it is shown the
    // frame's size is known, so the placement is done again with it.
    if (!shownBefore && !event->spontaneous()) {
        shownBefore = true;
        PlaceOnScreen();
    }
}

void MainWindow::ShowReportDate(std::chrono::year_month_day reportDate)
{
    lblDate->setText(app::ShortDateText(app::ToQDate(reportDate)));
    lblDate->adjustSize();
    lblDate->move(picBiorhythm->x() + picBiorhythm->width() / 2 - lblDate->width() / 2, lblDate->y());
}

void MainWindow::cmdBiorythm_Click()
{
    RequestChart(QString());
}

void MainWindow::RequestChart(const QString& person)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });

    // A triple that is no calendar date changes nothing: the chart on show
    // and the date above it stay as they were.
    const auto birth = birthDate->Date();
    const auto report = reportDate->Date();
    if (!birth || !report) {
        restoreCursor.dismiss();
        QApplication::restoreOverrideCursor();
        services.prompter.Show(!birth ? QStringLiteral("Please Enter A Valid Birthday")
                                      : QStringLiteral("Please Enter A Valid Report Day"),
            app::MessageIcon::Critical, app::MessageButtons::Ok);
        return;
    }
    ShowReportDate(*report);
    picBiorhythm->ShowChart({ people::Person { person, *birth }, *report });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && MovesFocusWithinWindow(static_cast<QFocusEvent*>(event)->reason())) {
        birthDate->CorrectLeftBox(watched);
        reportDate->CorrectLeftBox(watched);
    } else if (event->type() == QEvent::MouseMove) {
        // The names lie inside the strip: a move over a name is taken here so
        // that it does not reach the strip as a move over the background.
        if (watched == lblRed) {
            lblRed_MouseMove();
            return true;
        }
        if (watched == lblGreen) {
            lblGreen_MouseMove();
            return true;
        }
        if (watched == lblViolet) {
            lblViolet_MouseMove();
            return true;
        }
        if (watched == picExplain)
            picExplain_MouseMove();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::ShowExplanation(ExplanationSource source)
{
    const Explanation& explanation = ExplanationFor(source);
    if (lblInfo[0]->text() == explanation.heading)
        return;
    lblInfo[0]->setText(explanation.heading);
    lblInfo[0]->adjustSize();
    lblInfo[1]->setText(DisplayedBody(explanation.body));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (services.showExitScreen) {
        try {
            services.showExitScreen();
        } catch (...) {
            // The close goes ahead whatever happens to the exit screen.
        }
    }
    event->accept();
}

} // namespace ui
