#pragma once

// A main window wired to recording doubles, with today pinned to 17 March
// 2024 and the locale to English (United States).

#include "FixedClock.h"
#include "RecordingLauncher.h"
#include "ScriptedPrompter.h"
#include "people/PeopleFile.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace testing_support {

// Anna, born 2 March 1984, kept in the people file the People dialog reads
// (in the tests' own location) while this lives.
struct KeptAnna {
    KeptAnna()
    {
        using namespace std::chrono;
        people::PeopleList list;
        list.Add({ QStringLiteral("Anna"), 1984y / March / 2d }, 2024y / March / 17d);
        QString error;
        saved = people::PeopleFile(path).Save(list, error);
    }
    ~KeptAnna() { QFile::remove(path); }
    KeptAnna(const KeptAnna&) = delete;
    KeptAnna& operator=(const KeptAnna&) = delete;

    static QString TestPath()
    {
        QStandardPaths::setTestModeEnabled(true);
        return people::DefaultPeoplePath();
    }

    const QString path = TestPath();
    bool saved = false;
};

struct MainWindowHarness {
    explicit MainWindowHarness(std::chrono::year_month_day today
        = std::chrono::year_month_day { std::chrono::year { 2024 }, std::chrono::March, std::chrono::day { 17 } })
        : clock(today)
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        window = std::make_unique<ui::MainWindow>(ui::MainWindowServices {
            launcher,
            prompter,
            clock,
            [this] { ++reminders; },
            [this] {
                ++exitScreens;
                if (onExitScreen)
                    onExitScreen();
            },
        });
    }

    // Shows the window and makes it the active one, so focus and keys work.
    bool ShowActive()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        return QTest::qWaitForWindowActive(window.get());
    }

    template <typename T> T* Find(const char* name) const { return window->findChild<T*>(QString::fromLatin1(name)); }

    QComboBox* Box(const char* name) const { return Find<QComboBox>(name); }

    RecordingLauncher launcher;
    ScriptedPrompter prompter;
    FixedClock clock;
    int reminders = 0;
    int exitScreens = 0;
    std::function<void()> onExitScreen; // runs while the exit screen is shown
    std::unique_ptr<ui::MainWindow> window;
};

// The name of the control that has the focus; a box's inner line edit counts
// as the box.
inline QString FocusedControl()
{
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr; widget = widget->parentWidget())
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            return widget->objectName();
    return {};
}

// Plain ASCII texts as a QStringList.
inline QStringList Texts(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list.append(QString::fromLatin1(text));
    return list;
}

} // namespace testing_support
