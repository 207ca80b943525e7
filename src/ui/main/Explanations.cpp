#include "ui/main/Explanations.h"

#include "chart/BiorhythmCycle.h"

namespace ui {

const Explanation& ExplanationFor(ExplanationSource source)
{
    static const Explanation general {
        QStringLiteral("General:"),
        QStringLiteral("Chart represents a range of days before and after the target day. The numbers -14, +14 across "
                       "the top, indicate the dates ranging from the past to the future.\r\n"
                       "The numbers from +100% (maximum) to -100% (minimum) indicate the position of the cycles on a "
                       "particular day. In general, a rhythm at 0% is thought to have no real impact on your life, "
                       "whereas a rhythm at +100% (a high) would give you an edge in that area, and a rhythm at -100% "
                       "(low) would make life more difficult in that area. When the cycle crosses the midline, it is "
                       "a critical phase."),
    };
    static const Explanation physical {
        QStringLiteral("Physical:"),
        QStringLiteral("This cycle indicates your physical strength, vitality and health. When it is high, you are "
                       "highly active and energetic. When it is in the critical phase, you may tire easily. Accidents "
                       "may occur and you need to exercise caution. When this cycle is low, all your strength is "
                       "drained. You may suffer from depression and exhaustion."),
    };
    static const Explanation emotional {
        QStringLiteral("Emotional:"),
        QStringLiteral("This cycle tracks the stability and positive energy of your psyche and outlook on life, as "
                       "well as your emotional capability to relate with and build rapport with other people. When the "
                       "cycle is at a high level, you are more prone to building new relationships and increasing your "
                       "creativity. When it is critical, you may be emotionally unstable and prone to suicidal "
                       "tendencies. When at a low, you may be extremely low on feelings and relaxed."),
    };
    static const Explanation intellectual {
        QStringLiteral("Intellectual:"),
        QStringLiteral("This cycle indicates the verbal, mathematical, symbolic, and creative abilities and skills, as "
                       "well as your capacity to apply reason and analysis to the world around you. At a high in the "
                       "cycle, your mind is very sharp, analytically, logically and in concentration. Your creative, "
                       "writing, decision making skills are at their peak. At the critical phase, you may avoid making "
                       "decisions and there may be some mental indecisiveness. At the low level in the cycle, you may "
                       "not be able to judge nor concentrate."),
    };
    // One text for each cycle's name in the legend strip.
    static_assert(chart::kCycles.size() == 3,
        "ExplanationFor: write the new cycle's explanation here and add its ExplanationSource");
    switch (source) {
    case ExplanationSource::Physical:
        return physical;
    case ExplanationSource::Emotional:
        return emotional;
    case ExplanationSource::Intellectual:
        return intellectual;
    case ExplanationSource::Background:
        break;
    }
    return general;
}

QString DisplayedBody(const QString& body)
{
    QString shown = body;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

} // namespace ui
