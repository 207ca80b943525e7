// The exit screen on a real Windows desktop (Qt's windows platform): the
// system itself keeps it above other windows.
#include "RecordingLauncher.h"
#include "ScriptedPrompter.h"
#include "ui/exit/ExitScreen.h"

#include <QTest>

#include <windows.h>

class TestExitScreenOnTop : public QObject {
    Q_OBJECT
private slots:
    void screenIsTopmostOnceShown()
    {
        testing_support::RecordingLauncher launcher;
        testing_support::ScriptedPrompter prompter;
        ui::ExitScreen screen(launcher, prompter, [] { }, [] { return 0.3F; });
        QVERIFY(!(GetWindowLongPtrW(reinterpret_cast<HWND>(screen.winId()), GWL_EXSTYLE) & WS_EX_TOPMOST));
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        const auto hwnd = reinterpret_cast<HWND>(screen.winId());
        QVERIFY(IsWindowVisible(hwnd));
        QVERIFY(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    }
};

QTEST_MAIN(TestExitScreenOnTop)
#include "tst_ExitScreenOnTop.moc"
