// Loaded with LD_PRELOAD into a Qt Widgets program, it notes the moment the
// program's main window has finished its first paint and then ends the
// process. The same probe goes into every program the start-up benchmark
// compares, so all of them are timed the same way and none is modified.
//
// BIO_FIRST_PAINT_FD names an open file descriptor. The probe writes one line
// to it and ends the process with status 0:
//   <CLOCK_MONOTONIC nanoseconds> <width>x<height> <Qt version> <platform>
// Without that variable the probe does nothing at all.

#include "MonotonicClock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMetaObject>
#include <QPointer>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

int ReportDescriptor()
{
    bool ok = false;
    const int fd = qEnvironmentVariableIntValue("BIO_FIRST_PAINT_FD", &ok);
    return ok && fd >= 0 ? fd : -1;
}

void WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return; // the harness sees a missing line and fails the run
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

class FirstPaintProbe final : public QObject {
public:
    FirstPaintProbe(int fd, QObject* parent)
        : QObject(parent)
        , fd(fd)
    { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (seen || event->type() != QEvent::Paint)
            return false;
        auto* window = qobject_cast<QMainWindow*>(watched);
        if (window == nullptr || !window->isWindow() || !window->isVisible())
            return false;
        seen = true;
        // The window's own paint event comes first; its children are painted
        // and the backing store is flushed to the window system later in the
        // same repaint. A queued call runs only once that repaint is over.
        QMetaObject::invokeMethod(
            this, [this, shown = QPointer<QWidget>(window)] { Report(shown); }, Qt::QueuedConnection);
        return false;
    }

private:
    void Report(const QPointer<QWidget>& window) const
    {
        const long long now = bench::MonotonicNanoseconds();
        const QSize size = window ? window->size() : QSize();
        char line[256];
        const int length = std::snprintf(line, sizeof line, "%lld %dx%d %s %s\n", now, size.width(), size.height(),
            qVersion(), qUtf8Printable(QGuiApplication::platformName()));
        if (length > 0)
            WriteAll(fd, line, std::min(static_cast<std::size_t>(length), sizeof line - 1));
        // _exit rather than QCoreApplication::exit: exit() would end only the
        // innermost event loop, so a modal box open at that moment would keep
        // the program alive, and the two programs' different ways of shutting
        // down would only lengthen every run without telling anything about
        // start-up. The peak resident size is already reached by now.
        _exit(0);
    }

    int fd;
    bool seen = false;
};

// Runs inside the QCoreApplication constructor, before the program's main()
// has built any window.
void InstallFirstPaintProbe()
{
    const int fd = ReportDescriptor();
    if (fd < 0)
        return;
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new FirstPaintProbe(fd, application));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintProbe)
