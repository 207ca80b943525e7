#include "ui/exit/ExitScreen.h"

#include "app/AppInfo.h"
#include "ui/Look.h"
#include "ui/exit/NavyPanel.h"
#include "ui/exit/ReferAFriendForm.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/LinkCheckBox.h"
#include "web/Launcher.h"
#include "web/PageAddress.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include <utility>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace ui {
namespace {

// The web site's host, as the texts name it.
QString SiteDomain()
{
    return FromUtf8(web::SiteHost());
}

QGroupBox* NavyPanel(const QString& caption, QWidget* parent)
{
    auto* panel = new QGroupBox(caption, parent);
    StyleNavyPanel(panel);
    return panel;
}

} // namespace

ExitScreen::ExitScreen(web::Launcher& launcher, app::MessagePrompter& prompter, std::function<void()> quit,
    RandomSource random, QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowCloseButtonHint)
    , launcher(launcher)
    , quit(std::move(quit))
    , random(std::move(random))
    , cmdClose(new QPushButton(QStringLiteral("E&xit"), this))
    , Check1(new LinkCheckBox(this))
    , picNagscreen2Icon(new QLabel(this))
    , lblNagScreen2Caption(new QLabel(QStringLiteral("ABC"), this))
    , Label2(new QLabel(this))
    , Frame2(new ReferAFriendForm(launcher, prompter, this))
    , Frame6(NavyPanel(QStringLiteral("Download Pellary Softwares"), this))
    , Label3(new QLabel(Frame6))
    , lblGoToHome(new ClickableLabel(Frame6))
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    setWindowTitle(QStringLiteral("ABC"));
    setFont(SansSerifFont(8.25));
    setFixedSize(Px(11115), Px(4725));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(TwipsRect(6000, 2760, 1245, 375));

    // A tick box that behaves as a link, Enter included; the button face
    // behind it sets it apart from the white window.
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setText(QStringLiteral("Click Here To Visit %1 Now").arg(SiteDomain()));
    Check1->setFont(VerdanaFont(14.25));
    Check1->setGeometry(TwipsRect(30, 2040, 7185, 555));
    Check1->setAutoFillBackground(true);
    QPalette face = Check1->palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    face.setColor(QPalette::WindowText, ColorFromBgr(0x00C00000));
    Check1->setPalette(face);
    Check1->setCursor(HandCursor());

    picNagscreen2Icon->setObjectName(QStringLiteral("picNagscreen2Icon"));
    picNagscreen2Icon->setGeometry(TwipsRect(360, 120, 540, 540));

    lblNagScreen2Caption->setObjectName(QStringLiteral("lblNagScreen2Caption"));
    lblNagScreen2Caption->setFont(SansSerifFont(18));
    SetTextColor(lblNagScreen2Caption, palette().color(QPalette::ButtonText));
    lblNagScreen2Caption->setGeometry(TwipsRect(1080, 240, 720, 435));

    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(VerdanaFont(9.75, true));
    SetTextColor(Label2, palette().color(QPalette::ButtonText));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setGeometry(TwipsRect(120, 840, 6975, 1095));
    Label2->setText(FromUtf8(SupportMessage(1)));

    Frame2->setGeometry(TwipsRect(120, 3240, 7065, 1455));

    Frame6->setObjectName(QStringLiteral("Frame6"));
    Frame6->setGeometry(TwipsRect(7320, 120, 3735, 4575));

    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(VerdanaFont(9));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setGeometry(TwipsRect(120, 360, 3495, 3855));
    Label3->setText(QStringLiteral("If you have enjoyed this program, you will surely like our other programs too. "
                                   "They cover a great many esoteric fields.\n"
                                   "Our programs are simple, fun and informative. Do try them, and share them with "
                                   "your friends and family."));

    lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    lblGoToHome->setText(QStringLiteral("Click Here To Visit Pellary Softwares"));
    lblGoToHome->setFont(VerdanaFont(9, true, true));
    SetTextColor(lblGoToHome, ColorFromBgr(0x0000FFFF));
    lblGoToHome->move(Px(75), Px(4250));
    lblGoToHome->adjustSize();
    // The Verdana stand-in runs a few pixels wider than the panel leaves room
    // for; the link is narrowed just enough to keep its margin on the right.
    const int room = Frame6->width() - 2 * Px(75);
    if (lblGoToHome->width() > room) {
        QFont narrower = lblGoToHome->font();
        narrower.setStretch(100 * room / lblGoToHome->width());
        lblGoToHome->setFont(narrower);
        lblGoToHome->adjustSize();
    }

    // Exit, the link line, then the form in its own odd order; labels and
    // panels never take the focus.
    QList<QWidget*> chain { cmdClose, Check1 };
    chain.append(Frame2->TabChain());
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);

    LetEnterClickFocusedButtons(this);
    connect(cmdClose, &QPushButton::clicked, this, &ExitScreen::cmdClose_Click);
    connect(Check1, &QCheckBox::toggled, this, &ExitScreen::Check1_Click);
    connect(lblGoToHome, &ClickableLabel::clicked, this, &ExitScreen::lblGoToHome_Click);

    Form_Load();
    cmdClose->setFocus();
}

void ExitScreen::Form_Load()
{
    setWindowTitle(app::WindowCaption());
    lblNagScreen2Caption->setText(app::WindowCaption());
    lblNagScreen2Caption->adjustSize();

    setWindowIcon(ApplicationIcon());
    picNagscreen2Icon->setPixmap(ApplicationIconPixmap(32));

    Label2->setText(FromUtf8(SupportMessage(SupportMessageIndex(random ? random() : TimerSeededDraw()))));

    KeepOnTop();
}

void ExitScreen::KeepOnTop()
{
    // Above every other window, yet it must not take the keyboard from the
    // application the user may have moved on to.
    setAttribute(Qt::WA_ShowWithoutActivating);
#ifndef Q_OS_WIN
    setWindowFlag(Qt::WindowStaysOnTopHint);
#endif
}

void ExitScreen::showEvent(QShowEvent* event)
{
    if (!placed && !event->spontaneous()) {
        placed = true;
        if (const QScreen* where = screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(where->availableGeometry().center());
            move(frame.topLeft());
        }
#ifdef Q_OS_WIN
        // Topmost through the system itself, shown at once and not activated.
        // If the call fails the screen is merely not topmost.
        SetWindowPos(reinterpret_cast<HWND>(winId()), HWND_TOPMOST, 0, 0, 0, 0,
            SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
#endif
    }
    QWidget::showEvent(event);
}

void ExitScreen::Check1_Click()
{
    if (!Check1->isChecked())
        return;
    // Unticking raises this handler once more; that run sees the cleared box
    // and does nothing, so each click opens the page once.
    Check1->setChecked(false);
    launcher.OpenWebPage(web::PageKey::HomePage);
}

void ExitScreen::lblGoToHome_Click()
{
    launcher.OpenWebPage(web::PageKey::PellarySoftwares);
}

void ExitScreen::cmdClose_Click()
{
    quit();
}

void ExitScreen::closeEvent(QCloseEvent* event)
{
    // However the screen closes, the program ends; the close always goes on.
    event->accept();
    quit();
}

} // namespace ui
