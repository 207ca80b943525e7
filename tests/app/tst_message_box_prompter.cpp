#include "app/AppInfo.h"
#include "app/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QWidget* parent = nullptr;
    bool modal = false;
};

// Waits for the box to come up, notes what it shows and lets act() answer it.
void AnswerNextBox(SeenBox& seen, std::function<void(QMessageBox*)> act)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, &seen, act = std::move(act)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        seen = { box->windowTitle(), box->text(), box->icon(), box->standardButtons(), box->parentWidget(),
            box->isModal() };
        act(box);
    });
    timer->start();
}

} // namespace

class MessageBoxPrompterTest : public QObject {
    Q_OBJECT
private slots:
    void ShowsAndAnswers_data()
    {
        QTest::addColumn<app::MessageIcon>("icon");
        QTest::addColumn<app::MessageButtons>("buttons");
        // A standard button, or 0 for Escape and the close box and then Yes.
        QTest::addColumn<int>("press");
        QTest::addColumn<app::MessageAnswer>("answer");
        QTest::addColumn<QMessageBox::Icon>("boxIcon");
        QTest::addColumn<QMessageBox::StandardButtons>("boxButtons");
        const QMessageBox::StandardButtons yesNo = QMessageBox::Yes | QMessageBox::No;
        QTest::newRow("information Ok") << app::MessageIcon::Information << app::MessageButtons::Ok
                                        << int(QMessageBox::Ok) << app::MessageAnswer::Ok << QMessageBox::Information
                                        << QMessageBox::StandardButtons(QMessageBox::Ok);
        QTest::newRow("critical Ok") << app::MessageIcon::Critical << app::MessageButtons::Ok << int(QMessageBox::Ok)
                                     << app::MessageAnswer::Ok << QMessageBox::Critical
                                     << QMessageBox::StandardButtons(QMessageBox::Ok);
        QTest::newRow("Yes") << app::MessageIcon::Information << app::MessageButtons::YesNo << int(QMessageBox::Yes)
                             << app::MessageAnswer::Yes << QMessageBox::Information << yesNo;
        QTest::newRow("No") << app::MessageIcon::Information << app::MessageButtons::YesNo << int(QMessageBox::No)
                            << app::MessageAnswer::No << QMessageBox::Information << yesNo;
        // Only the buttons answer the question: Escape and the close box leave it open.
        QTest::newRow("Escape and close box") << app::MessageIcon::Information << app::MessageButtons::YesNo << 0
                                              << app::MessageAnswer::Yes << QMessageBox::Information << yesNo;
    }
    void ShowsAndAnswers()
    {
        QFETCH(app::MessageIcon, icon);
        QFETCH(app::MessageButtons, buttons);
        QFETCH(int, press);
        QFETCH(app::MessageAnswer, answer);
        QFETCH(QMessageBox::Icon, boxIcon);
        QFETCH(QMessageBox::StandardButtons, boxButtons);

        SeenBox seen;
        AnswerNextBox(seen, [press](QMessageBox* box) mutable {
            if (press == 0) {
                QTest::keyClick(box, Qt::Key_Escape);
                box->close();
                if (!box->isVisible())
                    return; // answered without a button
                press = QMessageBox::Yes;
            }
            QTest::mouseClick(box->button(QMessageBox::StandardButton(press)), Qt::LeftButton);
        });
        const QString text = QStringLiteral("There maybe an update\rDo you want to check?");
        app::MessageBoxPrompter prompter;
        QCOMPARE(prompter.Show(text, icon, buttons), answer);

        QCOMPARE(seen.title, app::ApplicationTitle());
        QCOMPARE(seen.text, text);
        QCOMPARE(seen.icon, boxIcon);
        QCOMPARE(seen.buttons, boxButtons);
        QVERIFY(seen.modal);
        QCOMPARE(seen.parent, nullptr);
    }

    void SitsOverTheActiveWindow()
    {
        QWidget window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        SeenBox seen;
        AnswerNextBox(seen, [](QMessageBox* box) { QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton); });
        app::MessageBoxPrompter prompter;
        QCOMPARE(prompter.Show(QStringLiteral("Hello"), app::MessageIcon::Critical, app::MessageButtons::Ok),
            app::MessageAnswer::Ok);
        QCOMPARE(seen.parent, &window);
    }
};

QTEST_MAIN(MessageBoxPrompterTest)
#include "tst_message_box_prompter.moc"
