#include "ui/Look.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QResource>
#include <QWidget>

#include <cmath>

namespace ui {
namespace {

#ifdef Q_OS_WIN
// Windows still ships "MS Sans Serif" as a bitmap font, at a few fixed sizes
// and without smoothing (and Wine's copy draws no capital I through Qt); its
// scalable successor of the same design, on every Windows since 2000, is
// what the system itself substitutes for it in dialogs.
const QString kSansSerif = QStringLiteral("Microsoft Sans Serif");
#else
const QString kSansSerif = QStringLiteral("MS Sans Serif");
#endif
const QString kVerdana = QStringLiteral("Verdana");

// The layouts assume 96 dots per inch (15 twips to the pixel), so fonts are
// sized in logical pixels: a point size would follow the screen's reported
// resolution and stop fitting its controls on a screen that reports another.
QFont MakeFont(const QString& family, qreal pointSize, bool bold, bool underline)
{
    QFont font(family);
    font.setPixelSize(qRound(pointSize * 96.0 / 72.0));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

// One wave across the icon: a sine of one period, shifted by phase.
QPainterPath WavePath(int size, double phase, double amplitude)
{
    QPainterPath path;
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double x = t * size;
        const double y = size / 2.0 - amplitude * size * std::sin(2.0 * M_PI * t + phase);
        if (i == 0)
            path.moveTo(x, y);
        else
            path.lineTo(x, y);
    }
    return path;
}

// Watches a window's push buttons. Key presses reach only the widget with the
// focus, so a button hears Return and Enter only while it has the focus.
class EnterClicksButton final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<const QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            // Alt, Ctrl or Shift with Enter is someone else's key; a held key
            // clicks once.
            const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
            auto* button = qobject_cast<QPushButton*>(watched);
            if (enter && modifiers == Qt::NoModifier && button != nullptr && button->isEnabled()) {
                if (!key->isAutoRepeat())
                    button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void InstallFontSubstitutes()
{
    // Qt takes the first installed substitute, and only where the family
    // itself is missing. Liberation Sans has the narrow widths of the old
    // dialog font; DejaVu Sans descends from the same design family as
    // Verdana and is as wide. (Asking the font database for its families
    // instead would cost a few milliseconds of start-up.)
    // Tahoma comes with every Windows and with Wine.
    QFont::insertSubstitutions(kSansSerif,
        { QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Tahoma"),
            QStringLiteral("DejaVu Sans") });
    QFont::insertSubstitutions(
        kVerdana, { QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Tahoma") });
}

QFont SansSerifFont(qreal pointSize, bool bold, bool underline)
{
    return MakeFont(kSansSerif, pointSize, bold, underline);
}

QFont VerdanaFont(qreal pointSize, bool bold, bool underline)
{
    return MakeFont(kVerdana, pointSize, bold, underline);
}

QColor ColorFromBgr(quint32 bgr)
{
    return QColor(RgbFromBgr(bgr));
}

void SetTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

int Px(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

QPixmap ApplicationIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    // Blue ground at 32 pixels and above, teal on the small 16-pixel image.
    pixmap.fill(size <= 16 ? QColor(0, 128, 128) : QColor(0, 0, 160));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, size > 16);
    const qreal width = std::max(1.0, size / 14.0);
    const struct {
        QColor color;
        double phase;
        double amplitude;
    } waves[] = {
        { QColor(255, 0, 0), 0.0, 0.36 },
        { QColor(0, 64, 255), 2.1, 0.30 },
        { QColor(128, 200, 255), 4.2, 0.24 },
    };
    for (const auto& wave : waves) {
        painter.setPen(QPen(wave.color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(WavePath(size, wave.phase, wave.amplitude));
    }
    return pixmap;
}

QIcon ApplicationIcon()
{
    // The program carries these sizes drawn at build time as bare RGBA
    // pixels; a tool or test built without them draws its own.
    QIcon icon;
    for (int size : { 16, 32, 48, 64 }) {
        const QResource drawn(QStringLiteral(":/icons/%1.rgba").arg(size));
        if (drawn.isValid() && drawn.size() == qint64 { 4 } * size * size && drawn.data() != nullptr)
            icon.addPixmap(QPixmap::fromImage(QImage(drawn.data(), size, size, QImage::Format_RGBA8888)));
        else
            icon.addPixmap(ApplicationIconPixmap(size));
    }
    return icon;
}

QCursor HandCursor()
{
    return QCursor(Qt::PointingHandCursor);
}

void LetEnterClickFocusedButtons(QWidget* window)
{
    auto* filter = new EnterClicksButton(window);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->installEventFilter(filter);
}

bool MovesFocusWithinWindow(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
    case Qt::ActiveWindowFocusReason:
        return false;
    default:
        return true;
    }
}

} // namespace ui
