#pragma once

// A chart area in a window of its own, as the main window's load leaves it
// (28 days across, the frame placed, taking the focus by Tab and click),
// with a button beside it to take the focus away; the locale pinned to
// English (United States).

#include "ui/Look.h"
#include "ui/chart/ChartArea.h"

#include <QApplication>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <chrono>

namespace testing_support {

// The chart the main window draws with its default boxes on 17 March 2024.
inline const ui::ShownChart kChart2024 { std::chrono::year_month_day {
                                             std::chrono::year { 1980 }, std::chrono::January, std::chrono::day { 4 } },
    std::chrono::year_month_day { std::chrono::year { 2024 }, std::chrono::March, std::chrono::day { 17 } } };

struct ChartAreaHost {
    ChartAreaHost()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ui::InstallFontSubstitutes();
        area = new ui::ChartArea(&window);
        area->setFocusPolicy(Qt::StrongFocus);
        area->SetScaleWidth(28);
        area->SetupChartFrame();
        button = new QPushButton(QStringLiteral("Elsewhere"), &window);
        button->setGeometry(area->width() + 10, 10, 100, 30);
        window.resize(area->width() + 120, area->height());
    }

    // Shows the window and makes it the active one, so focus and keys work.
    bool ShowActive()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }

    QWidget window;
    ui::ChartArea* area = nullptr;
    QPushButton* button = nullptr;
};

} // namespace testing_support
