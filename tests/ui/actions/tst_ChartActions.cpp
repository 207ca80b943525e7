#include "ChartAreaHost.h"
#include "ScriptedPrompter.h"
#include "chart/Planner.h"
#include "chart/ValueTable.h"
#include "people/CycleChoiceFile.h"
#include "ui/actions/ChartActions.h"
#include "ui/actions/ChartViewActions.h"
#include "ui/chart/ChartDescription.h"
#include "ui/chart/DayReadout.h"
#include "ui/planner/PlannerView.h"
#include "ui/planner/PlannerWindow.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>

using testing_support::ChartAreaHost;
using testing_support::kChart2024;

namespace {

using namespace std::chrono;

// The pixels alone: a PNG read back carries no device pixel ratio.
QImage Rgb(const QImage& image)
{
    QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    pixels.setDevicePixelRatio(1);
    return pixels;
}

} // namespace

class ChartActionsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        host = std::make_unique<ChartAreaHost>();
        suggestions.clear();
        prompter = std::make_unique<testing_support::ScriptedPrompter>();
        area = host->area;
        actions = new ui::ChartActions(*area, *prompter, &host->window);
        QVERIFY(host->ShowActive());
        actions->SetSavePathAsker([this](QWidget*, const QString&, const QString& suggested, const QString&) {
            suggestions << suggested;
            return answer;
        });
    }

    void cleanup()
    {
        host.reset();
        prompter.reset();
    }

    void keyboardOpensTheMenuDisabledUntilTheFirstChart()
    {
        area->setFocus();
        QTest::keyClick(area, Qt::Key_F10, Qt::ShiftModifier);
        QMenu* menu = actions->Menu();
        QTRY_VERIFY(menu->isVisible());
        QStringList texts;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            texts << action->text();
            QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
        }
        QCOMPARE(texts,
            QStringList(
                { QStringLiteral("Copy Chart"), QStringLiteral("Save Chart As..."), QStringLiteral("Export Values..."),
                    QStringLiteral("Print..."), QStringLiteral("Print Preview..."), QStringLiteral("Critical Days..."),
                    QStringLiteral("Months Ahead..."), QStringLiteral("Line Styles"), QStringLiteral("Cycles") }));
        menu->hide();

        area->ShowChart(kChart2024);
        area->setFocus();
        QTest::keyClick(area, Qt::Key_Menu);
        QTRY_VERIFY(menu->isVisible());
        for (QAction* action : menu->actions())
            QVERIFY(action->isEnabled());
        menu->hide();
    }

    void savedAndCopiedPictureIsTheChartAreaAsShown()
    {
        area->ShowChart(kChart2024);
        answer = folder.filePath(QStringLiteral("chart.png"));
        area->setFocus();
        QTest::keyClick(area, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(suggestions.size(), 1);
        QCOMPARE(QFileInfo(suggestions.first()).fileName(), QStringLiteral("biorhythm-2024-03-17.png"));
        QTest::keyClick(area, Qt::Key_C, Qt::ControlModifier);

        // With neither the focus nor the mouse on it.
        host->button->setFocus();
        const QImage shown = Rgb(area->grab().toImage());
        QCOMPARE(Rgb(QImage(answer)), shown);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied->hasImage());
        QCOMPARE(Rgb(qvariant_cast<QImage>(copied->imageData())), shown);
        const std::string table = chart::ValuesTabSeparated(1980y / January / 4d, 2024y / March / 17d);
        QCOMPARE(copied->text(), QString::fromStdString(table));
        QVERIFY(prompter->shown.isEmpty());
    }

    // On, the chart on show is redrawn at once with gaps in the dashed and
    // dotted curves; off, it is the plain picture again, pixel for pixel.
    void lineStylesRedrawTheChartOnShowAndOffRestoresIt()
    {
        area->ShowChart(kChart2024);
        const QImage plain = Rgb(area->Picture());
        auto* lineStyles = actions->findChild<QAction*>(QStringLiteral("mnuLineStyles"));
        QVERIFY(lineStyles->isCheckable() && !lineStyles->isChecked());
        lineStyles->trigger();
        const QImage styled = Rgb(area->Picture());
        const auto count = [](const QImage& image, std::size_t cycle) {
            const QRgb colour = ui::RgbFromBgr(chart::kCycles[cycle].colour);
            int pixels = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    pixels += image.pixel(x, y) == colour;
            return pixels;
        };
        QVERIFY(count(styled, 0) >= count(plain, 0)); // solid, and less covered by the others
        QVERIFY(count(styled, 1) < count(plain, 1) * 3 / 4);
        QVERIFY(count(styled, 2) < count(plain, 2) / 2);
        QVERIFY(count(styled, 2) < count(styled, 1));
        lineStyles->trigger();
        QCOMPARE(Rgb(area->Picture()), plain);
    }

    // Chosen from the Cycles submenu, an extra cycle is drawn at once, read
    // out and exported, and the choice is kept for the next start; an
    // unreadable file counts as no choice and is replaced at the next change.
    void extraCyclesAreDrawnExportedAndKept()
    {
        const QString path = folder.filePath(QStringLiteral("cycles.json"));
        actions->ViewActions().KeepCyclesIn(path);
        area->ShowChart(kChart2024);
        const QImage plain = Rgb(area->Picture());
        const auto item = [](ui::ChartActions& owner, const char* name) {
            return owner.ViewActions().CyclesMenu()->findChild<QAction*>(QString::fromLatin1(name));
        };
        item(*actions, "mnuCycleIntuitive")->trigger();
        item(*actions, "mnuCycleAverage")->trigger();
        QCOMPARE(QString::fromStdString(area->Cycles().Names()), QStringLiteral("intuitive,average"));
        const QImage chosen = Rgb(area->Picture());
        QVERIFY(chosen.pixelColor(0, 0) == plain.pixelColor(0, 0));
        int averagePixels = 0;
        for (int y = 0; y < chosen.height(); ++y)
            for (int x = 0; x < chosen.width(); ++x)
                averagePixels += chosen.pixel(x, y) == ui::RgbFromBgr(chart::kEveryCycle[10].colour);
        QVERIFY(averagePixels > 300);
        QCOMPARE(ui::DayReadoutLines(*area->Shown(), 0).size(), std::size_t { 2 + 3 + 2 });
        answer = folder.filePath(QStringLiteral("values.csv"));
        area->setFocus();
        QTest::keyClick(area, Qt::Key_E, Qt::ControlModifier);
        QFile values(answer);
        QVERIFY(values.open(QIODevice::ReadOnly));
        QCOMPARE(values.readLine(),
            QByteArray("date,offset,physical,emotional,intellectual,intuitive,average,critical\r\n"));

        ChartAreaHost secondHost;
        ui::ChartActions second(*secondHost.area, *prompter, &secondHost.window);
        second.ViewActions().KeepCyclesIn(path);
        QCOMPARE(secondHost.area->Cycles(), area->Cycles());
        QVERIFY(item(second, "mnuCycleAverage")->isChecked() && !item(second, "mnuCycleWisdom")->isChecked());

        QFile broken(path);
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("{\"version\": 1, \"cycles\": [\"mystic\"]}") > 0);
        broken.close();
        ChartAreaHost thirdHost;
        ui::ChartActions third(*thirdHost.area, *prompter, &thirdHost.window);
        third.ViewActions().KeepCyclesIn(path);
        QVERIFY(thirdHost.area->Cycles().Empty());
        item(third, "mnuCycleWisdom")->trigger();
        QCOMPARE(people::LoadCycleChoice(path), *chart::CycleChoice::FromNames("wisdom"));

        item(*actions, "mnuCycleIntuitive")->trigger();
        item(*actions, "mnuCycleAverage")->trigger();
        QCOMPARE(Rgb(area->Picture()), plain);
        QVERIFY(prompter->shown.isEmpty());

        // A folder that cannot be made (its name is a file's): the user is
        // told, and the chart still shows the choice.
        const QString nowhere = folder.filePath(QStringLiteral("values.csv/cycles.json"));
        actions->ViewActions().KeepCyclesIn(nowhere);
        item(*actions, "mnuCycleMastery")->trigger();
        QCOMPARE(prompter->shown.size(), 1);
        QVERIFY2(prompter->shown.first().text.contains(QDir::toNativeSeparators(nowhere)),
            qPrintable(prompter->shown.first().text));
        QVERIFY(area->Cycles().Has(8));
        QVERIFY(!QFileInfo::exists(nowhere));
    }

    // Ctrl+M opens the planner on the report day; the keys walk it and a
    // screen reader hears the day.
    void monthsAheadOpensOnTheReportDayAndWalksByKeyboard()
    {
        area->ShowChart(kChart2024);
        area->setFocus();
        QTest::keyClick(area, Qt::Key_M, Qt::ControlModifier);
        auto* window = host->window.findChild<ui::PlannerWindow*>();
        QVERIFY(window != nullptr);
        QTRY_VERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Months Ahead"));
        auto* view = window->findChild<ui::PlannerView*>();
        QTRY_VERIFY(view->hasFocus());
        const chart::Planner& planner = *view->Shown();
        QCOMPARE(planner.Months().size(), 3u);
        QCOMPARE(planner.Days()[view->CursorDay()].date, kChart2024.report);
        QTest::keyClick(view, Qt::Key_PageDown);
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(planner.Days()[view->CursorDay()].date, 2024y / April / 18d);
        QCOMPARE(view->accessibleDescription(), ui::ChartDescription(kChart2024, 32));
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(planner.Days()[view->CursorDay()].date, 2024y / May / 31d);
    }

    // The planner saves through the chart's saver: it suggests the folder
    // the chart was last saved in, and the file is the calendar as shown.
    void plannerSavesItsPictureWhereTheChartWasSaved()
    {
        area->ShowChart(kChart2024);
        answer = folder.filePath(QStringLiteral("chart.png"));
        area->setFocus();
        QTest::keyClick(area, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(area, Qt::Key_M, Qt::ControlModifier);
        auto* window = host->window.findChild<ui::PlannerWindow*>();
        QTRY_VERIFY(window != nullptr && window->isVisible());

        answer = folder.filePath(QStringLiteral("months"));
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdSave")), Qt::LeftButton);
        QCOMPARE(suggestions.size(), 2);
        QCOMPARE(suggestions.last(), folder.filePath(QStringLiteral("biorhythm-planner-2024-03-17.png")));
        QCOMPARE(Rgb(QImage(answer + QStringLiteral(".png"))), Rgb(window->findChild<ui::PlannerView*>()->Picture()));
        QVERIFY(prompter->shown.isEmpty());
    }

    void exportWritesTheCsvAndFailuresLeaveNothing()
    {
        QTemporaryDir folder;
        area->ShowChart(kChart2024);
        const QImage before = area->Picture();
        auto* exportValues = actions->findChild<QAction*>(QStringLiteral("mnuExportValues"));

        answer.clear(); // cancelled
        exportValues->trigger();
        QVERIFY(QDir(folder.path()).isEmpty());
        QVERIFY(prompter->shown.isEmpty());

        answer = folder.filePath(QStringLiteral("no/such/folder/values.csv"));
        exportValues->trigger();
        QCOMPARE(prompter->shown.size(), 1);
        QCOMPARE(prompter->shown.first().icon, app::MessageIcon::Critical);
        QVERIFY2(prompter->shown.first().text.contains(QDir::toNativeSeparators(answer)),
            qPrintable(prompter->shown.first().text));
        QVERIFY(QDir(folder.path()).isEmpty());
        QCOMPARE(area->Picture(), before);

        answer = folder.filePath(QStringLiteral("values")); // the extension is added
        exportValues->trigger();
        QFile written(answer + QStringLiteral(".csv"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().toStdString(), chart::ValuesCsv(1980y / January / 4d, 2024y / March / 17d));
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("values.csv") });
    }

private:
    QTemporaryDir folder;
    std::unique_ptr<ChartAreaHost> host;
    std::unique_ptr<testing_support::ScriptedPrompter> prompter;
    ui::ChartArea* area = nullptr;
    ui::ChartActions* actions = nullptr;
    QString answer;
    QStringList suggestions;
};

QTEST_MAIN(ChartActionsTest)
#include "tst_ChartActions.moc"
