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
#include "ui/chart/ChartActions.h"
#include "ui/chart/ChartArea.h"
#include "ui/chart/ChartViewActions.h"
#include "ui/main/DateEntry.h"
#include "ui/people/PeopleDialog.h"
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

std::string Std(const QString& text)
{
    return text.toStdString();
}

// An editable box with its shortcut list. No completion and no insertion:
// the typed text is the value, and Enter does not grow the list.
QComboBox* EditableBox(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    return box;
}

// An editable box's text, selecting the matching list entry when there is one.
void SetEditableText(QComboBox* box, const QString& text)
{
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly));
    box->setEditText(text);
}

// A pick-only list shows only its entries: any other text leaves it as it is.
void SetPickOnlyText(QComboBox* box, const QString& text)
{
    const int index = box->findText(text, Qt::MatchExactly);
    if (index >= 0)
        box->setCurrentIndex(index);
}

std::optional<std::chrono::year_month_day> ComposeFromBoxes(
    const QComboBox* month, const QComboBox* day, const QComboBox* year)
{
    return chart::ComposeDate(Std(month->currentText()), Std(day->currentText()), Std(year->currentText()));
}

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
    chartActions->SetPeopleOpener([this] { OpenPeople(); });
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

    // Each list goes in at once: added entry by entry, every entry costs the
    // box its own round of model signals at start-up.
    QStringList months;
    for (std::string_view abbreviation : chart::kMonthAbbreviations)
        months << FromUtf8(abbreviation);
    QStringList days;
    for (int number = 1; number <= 31; ++number)
        days << QString::number(number);
    for (QComboBox* month : { cboBirthMonth, cboReportMonth })
        month->addItems(months);
    for (QComboBox* day : { cboBirthDay, cboReportDay }) {
        day->addItems(days);
        SetEditableText(day, QString::number(kDefaultBirthDay));
    }
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

    Command1 = new QPushButton(QStringLiteral("Donate"), Frame1);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(TwipsRect(1140, 1320, 1575, 285));
    Command1->setFont(SansSerifFont(8.25, true));

    // The two advertising links share one rectangle and are opaque, so only
    // the upper one, lblFullBrand, is ever seen or clicked.
    lblFullBrand = new ClickableLabel(Frame1);
    lblFullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    lblFullBrand->setText(QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                                         "online. Get this software fully branded for your website. Click here for "
                                         "more details."));
    lblCobrand = new ClickableLabel(Frame1);
    lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
    lblCobrand->setText(QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your "
                                       "site. Put your site's name &  link here. See \"Help\" for details.    Click "
                                       "Here for more info on co-branding."));
    for (ClickableLabel* link : { lblFullBrand, lblCobrand }) {
        link->setGeometry(TwipsRect(120, 120, 3585, 1095));
        link->setFont(VerdanaFont(8.25, true, true));
        SetTextColor(link, ColorFromBgr(0xFF0000));
        link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        link->setWordWrap(true);
        link->setAutoFillBackground(true);
    }

    Label1 = new ClickableLabel(client);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Our esoteric discussion forum: the most popular, the best esoteric resource. "
                                   "Visit it now at %1")
                        .arg(QString::fromStdString(web::SiteRoot())));
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
    mnuOnline = named(mnuHelp->addAction(QStringLiteral("Online &Help")), "mnuOnline");
    mnuV = named(mnuHelp->addAction(QStringLiteral("Visit Us Online")), "mnuV");
    sep2 = named(mnuHelp->addSeparator(), "sep2");
    mnuCheckUpdate = named(mnuHelp->addAction(QStringLiteral("Check For Update")), "mnuCheckUpdate");
    sep1 = named(mnuHelp->addSeparator(), "sep1");
    sep3 = named(mnuHelp->addSeparator(), "sep3");
    sep3->setVisible(false);
    mnuS = named(mnuHelp->addAction(QStringLiteral("About Us")), "mnuS");

    mnuDonate = named(menuBar()->addAction(QStringLiteral("Donate")), "mnuDonate");
    mnuMakeMoney = named(menuBar()->addAction(QStringLiteral("Make Money &Online")), "mnuMakeMoney");
    mnuMakeMoney->setVisible(false);
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

    connect(cmdBiorythm, &QPushButton::clicked, this, &MainWindow::cmdBiorythm_Click);
    connect(Command1, &QPushButton::clicked, this, &MainWindow::Command1_Click);
    connect(Label1, &ClickableLabel::clicked, this, &MainWindow::Label1_Click);
    connect(lblCobrand, &ClickableLabel::clicked, this, &MainWindow::lblCobrand_Click);
    connect(lblFullBrand, &ClickableLabel::clicked, this, &MainWindow::lblFullBrand_Click);
    connect(mnuRun, &QAction::triggered, this, &MainWindow::mnuRun_Click);
    connect(mnuE, &QAction::triggered, this, &MainWindow::mnuE_Click);
    connect(mnuOnline, &QAction::triggered, this, &MainWindow::mnuOnline_Click);
    connect(mnuV, &QAction::triggered, this, &MainWindow::mnuV_Click);
    connect(mnuCheckUpdate, &QAction::triggered, this, &MainWindow::mnuCheckUpdate_Click);
    connect(mnuS, &QAction::triggered, this, &MainWindow::mnuS_Click);
    connect(mnuDonate, &QAction::triggered, this, &MainWindow::mnuDonate_Click);
    connect(mnuMakeMoney, &QAction::triggered, this, &MainWindow::mnuMakeMoney_Click);
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
    SetPickOnlyText(cboReportMonth,
        FromUtf8(chart::kMonthAbbreviations.at(static_cast<unsigned>(services.clock.Today().month()) - 1)));
    SetEditableText(cboReportDay, QString::number(static_cast<unsigned>(services.clock.Today().day())));
    const QString thisYear = QString::number(static_cast<int>(services.clock.Today().year()));
    cboReportYear->setEditText(thisYear);
    // Above the chart until the first one: the report day the boxes start
    // with, or the zero date should they spell none.
    const std::chrono::year_month_day firstReportDate
        = ComposeFromBoxes(cboReportMonth, cboReportDay, cboReportYear)
              .value_or(std::chrono::year { 1899 } / std::chrono::December / 30);

    SetPickOnlyText(cboBirthMonth, FromUtf8(chart::kMonthAbbreviations.front()));

    const Explanation& general = ExplanationFor(ExplanationSource::Background);
    lblInfo[0]->setText(general.heading);
    lblInfo[0]->adjustSize();
    lblInfo[1]->setText(DisplayedBody(general.body));

    QStringList years;
    for (int year = kFirstListedYear; year <= kLastReportYear; ++year)
        years << QString::number(year);
    cboReportYear->addItems(years);
    cboBirthYear->addItems(years.first(kLastBirthYear - kFirstListedYear + 1));
    // Filling the list must not replace the year already shown.
    SetEditableText(cboReportYear, thisYear);
    SetPickOnlyText(cboBirthYear, QString::number(kDefaultBirthYear));

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

void MainWindow::OpenPeople()
{
    if (peopleDialog == nullptr)
        peopleDialog
            = new PeopleDialog(PeopleServices {
                                   services.prompter,
                                   [this] { return services.clock.Today(); },
                                   [this] { return ComposeFromBoxes(cboBirthMonth, cboBirthDay, cboBirthYear); },
                                   [this] { return ComposeFromBoxes(cboReportMonth, cboReportDay, cboReportYear); },
                                   [this](const people::Person& person) { return ShowPersonChart(person); },
                                   people::DefaultPeoplePath(),
                               },
                this);
    peopleDialog->Open();
}

QString MainWindow::ShowPersonChart(const people::Person& person)
{
    const int year = static_cast<int>(person.birthday.year());
    if (year > kLastBirthYear)
        return QStringLiteral("The main window's birth years end in %1, so %2's chart cannot be shown there. %2 can "
                              "still be kept in the list and compared.")
            .arg(kLastBirthYear)
            .arg(person.name);
    SetPickOnlyText(
        cboBirthMonth, FromUtf8(chart::kMonthAbbreviations.at(static_cast<unsigned>(person.birthday.month()) - 1)));
    SetEditableText(cboBirthDay, QString::number(static_cast<unsigned>(person.birthday.day())));
    SetPickOnlyText(cboBirthYear, QString::number(year));
    RequestChart(person.name);
    return {};
}

void MainWindow::RequestChart(const QString& person)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });

    // A triple that is no calendar date changes nothing: the chart on show
    // and the date above it stay as they were.
    const auto birth = ComposeFromBoxes(cboBirthMonth, cboBirthDay, cboBirthYear);
    const auto report = ComposeFromBoxes(cboReportMonth, cboReportDay, cboReportYear);
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
        if (watched == cboBirthDay)
            cboBirthDay_LostFocus();
        else if (watched == cboReportDay)
            cboReportDay_LostFocus();
        else if (watched == cboBirthYear)
            cboBirthYear_LostFocus();
        else if (watched == cboReportYear)
            cboReportYear_LostFocus();
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

void MainWindow::cboBirthDay_LostFocus()
{
    cboBirthDay->setEditText(FromUtf8(CorrectedDayText(Std(cboBirthDay->currentText()), kDefaultBirthDay)));
}

void MainWindow::cboReportDay_LostFocus()
{
    const int today = static_cast<int>(static_cast<unsigned>(services.clock.Today().day()));
    cboReportDay->setEditText(FromUtf8(CorrectedDayText(Std(cboReportDay->currentText()), today)));
}

void MainWindow::cboBirthYear_LostFocus()
{
    SetPickOnlyText(cboBirthYear, FromUtf8(CorrectedYearText(Std(cboBirthYear->currentText()))));
}

void MainWindow::cboReportYear_LostFocus()
{
    cboReportYear->setEditText(FromUtf8(CorrectedYearText(Std(cboReportYear->currentText()))));
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

void MainWindow::Command1_Click()
{
    services.launcher.OpenWebPage(web::PageKey::Donate);
}

void MainWindow::Label1_Click()
{
    services.launcher.OpenAddress(web::SiteRoot(), static_cast<web::OwnerWindow>(winId()));
}

void MainWindow::lblCobrand_Click()
{
    services.launcher.OpenWebPage(web::PageKey::CoBrand);
}

void MainWindow::lblFullBrand_Click()
{
    services.launcher.OpenWebPage(web::PageKey::FullyBranded);
}

// Unlike the button, the menu leaves the focus where it is, so a box being
// edited is drawn with its text uncorrected.
void MainWindow::mnuRun_Click()
{
    cmdBiorythm_Click();
}

void MainWindow::mnuE_Click()
{
    close();
}

void MainWindow::mnuOnline_Click()
{
    services.launcher.OpenWebPage(web::PageKey::HelpWebPage);
}

void MainWindow::mnuV_Click()
{
    services.launcher.OpenWebPage(web::PageKey::HomePage);
}

void MainWindow::mnuCheckUpdate_Click()
{
    services.launcher.OpenWebPage(web::PageKey::DownloadWebPage);
}

void MainWindow::mnuS_Click()
{
    AboutBox about(services.launcher, this);
    about.exec();
}

void MainWindow::mnuDonate_Click()
{
    services.launcher.OpenWebPage(web::PageKey::Donate);
}

void MainWindow::mnuMakeMoney_Click()
{
    services.launcher.OpenWebPage(web::PageKey::FullyBranded);
}

} // namespace ui
