#pragma once

#include "app/MessagePrompter.h"

#include <QList>
#include <QString>

#include <functional>

namespace testing_support {

// Records every message box and answers Yes/No questions from a script
// (default: the last scripted answer, or No when none is given).
class ScriptedPrompter final : public app::MessagePrompter {
public:
    struct Shown {
        QString text;
        app::MessageIcon icon;
        app::MessageButtons buttons;
    };

    app::MessageAnswer Show(const QString& text, app::MessageIcon icon, app::MessageButtons buttons) override
    {
        shown.append({text, icon, buttons});
        if (onShow)
            onShow();
        if (buttons == app::MessageButtons::Ok)
            return app::MessageAnswer::Ok;
        if (answers.isEmpty())
            return app::MessageAnswer::No;
        return answers.size() > 1 ? answers.takeFirst() : answers.first();
    }

    QStringList Texts() const
    {
        QStringList texts;
        for (const auto& s : shown)
            texts.append(s.text);
        return texts;
    }

    QList<app::MessageAnswer> answers;
    QList<Shown> shown;
    std::function<void()> onShow; // runs while the "box" is up
};

} // namespace testing_support
