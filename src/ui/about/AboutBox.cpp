#include "ui/about/AboutBox.h"

#include "app/AppInfo.h"
#include "ui/Look.h"
#include "ui/widgets/ClickableLabel.h"
#include "ui/widgets/DialogControls.h"
#include "web/Launcher.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace ui {
namespace {

// A link in pure blue, underlined, as wide as its text.
void StyleLink(QLabel* link)
{
    link->setFont(SansSerifFont(8.25, false, true));
    SetTextColor(link, QColor(0, 0, 255));
    link->adjustSize();
}

} // namespace

AboutBox::AboutBox(web::Launcher& launcher, QWidget* owner)
    : QDialog(owner)
    , launcher(launcher)
    , cmdOK(MakeDialogButton(this, "cmdOK", QStringLiteral("OK")))
    , picIcon(new QLabel(this))
    , lblTitle(new QLabel(app::WindowCaption(), this))
    , Label1(new QLabel(this))
    , lblHomePage(new ClickableLabel(this))
    , Label3(new QLabel(this))
    , lblCoBrand(new ClickableLabel(this))
    , Line2 { new QFrame(this), new QFrame(this) }
{
    FrameDialog(*this, "frmAbout", app::WindowCaption());
    setModal(true);
    setFixedSize(Px(5730), Px(3705));

    // The box is exactly the button's place, so the button fills it.
    const QRect okPlace = TwipsRect(4290, 3270, 1260, 345);
    cmdOK->setFixedSize(okPlace.size());
    cmdOK->setDefault(true);
    MakeEndingButtonBox(*this, cmdOK, QDialogButtonBox::AcceptRole, Qt::Horizontal)->setGeometry(okPlace);

    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(ApplicationIconPixmap(32));
    picIcon->move(Px(240), Px(240));
    picIcon->adjustSize();

    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(SansSerifFont(9.75, true));
    SetTextColor(lblTitle, Qt::black);
    lblTitle->move(Px(870), Px(240));
    lblTitle->adjustSize();

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral(
        "Tavio Biorhythm Chart Software helps you generate your daily biorhythm charts. The chart displays the three "
        "primary cycles for physical, emotional and intellectual cycles. These cycles help a person understand how his "
        "body functions according to these cycles."));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(TwipsRect(870, 510, 4515, 1215));

    lblHomePage->setObjectName(QStringLiteral("lblHomePage"));
    lblHomePage->setText(QStringLiteral("Visit us at %1").arg(QString::fromStdString(web::SiteRoot())));
    lblHomePage->move(Px(2100), Px(1800));
    StyleLink(lblHomePage);

    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setText(QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                                   "Get this software fully branded for your website."));
    Label3->setFont(SansSerifFont(8.25, true));
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setGeometry(TwipsRect(270, 2250, 5175, 623));

    lblCoBrand->setObjectName(QStringLiteral("lblCoBrand"));
    lblCoBrand->setText(QStringLiteral("Click here for more details."));
    lblCoBrand->move(Px(3585), Px(2880));
    StyleLink(lblCoBrand);

    // Two thin rules in the window-text colour: one under the home-page link,
    // one above the OK button.
    const int ruleTops[] = { 2070, 3180 };
    for (int index = 0; index < 2; ++index) {
        QFrame* rule = Line2[index];
        rule->setObjectName(QStringLiteral("Line2"));
        rule->setProperty("index", index);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Plain);
        rule->setLineWidth(1);
        rule->setGeometry(Px(240), Px(ruleTops[index]), Px(5550) - Px(240) + 1, 1);
    }

    connect(lblHomePage, &ClickableLabel::clicked, this, &AboutBox::lblHomePage_Click);
    connect(lblCoBrand, &ClickableLabel::clicked, this, &AboutBox::lblCoBrand_Click);

    // Esc is handled by QDialog (reject), Enter by the default button.
    cmdOK->setFocus();
}

void AboutBox::showEvent(QShowEvent* event)
{
    // Centred over the owner wherever the owner has been moved to.
    if (!event->spontaneous() && parentWidget() != nullptr) {
        QRect frame = frameGeometry();
        frame.moveCenter(parentWidget()->window()->frameGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

void AboutBox::lblHomePage_Click()
{
    launcher.OpenWebPage(web::PageKey::HomePage);
}

void AboutBox::lblCoBrand_Click()
{
    launcher.OpenWebPage(web::PageKey::FullyBranded);
}

} // namespace ui
