// A Qt generic plugin that watches a program from inside it, for the program test. Loaded with
// QT_QPA_GENERIC_PLUGINS=stopwise-onlooker:ENDING, it waits for a window to be shown and drawn
// (the window's own pixels: what the screens look like is the screen tests' to say), and prints
// what it saw and the process's name:
//   shown: TITLE                             (", full screen" after it for a full screen)
//   drawn: WIDTHxHEIGHT device pixels at SCALE
//   name: NAME
// A moment later, time for a watchdog's reports, it ends the program as a person or systemd
// would: ENDING "close" closes the window, "terminate" sends the process SIGTERM. A window
// that is never shown is reported as "shown: nothing", and the program ended with status 3.
#include <QApplication>
#include <QBackingStore>
#include <QFile>
#include <QGenericPlugin>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <csignal>
#include <cstdio>

namespace {

// The pixels the program last drew into the window's backing store, at its device pixel
// ratio. (The offscreen screen's own grab crops them to the window's logical size.)
QImage drawnIn(const QWindow* window)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowHandle() == window)
            if (const auto* pixels = dynamic_cast<QImage*>(top->backingStore()->paintDevice()))
                return pixels->copy();
    return {};
}

constexpr int Looks = 200; // every 50 ms: ten seconds

class Onlooker : public QObject {
public:
    explicit Onlooker(const QString& ending)
        : m_terminate(ending == QLatin1StringView("terminate"))
    {
        m_timer.callOnTimeout(this, &Onlooker::look);
        m_timer.start(50); // from the moment the program's event loop runs
    }

private:
    void look()
    {
        const QWindowList windows = QGuiApplication::topLevelWindows();
        const auto found = std::ranges::find_if(windows, &QWindow::isExposed);
        QWindow* shown = found == windows.end() ? nullptr : *found;
        const QImage drawn = drawnIn(shown);
        const bool settled =
            shown && !drawn.isNull() && drawn.size() == shown->size() * shown->devicePixelRatio();
        if (!settled && ++m_looks < Looks)
            return; // not shown, not painted, or not yet at the size it takes
        m_timer.stop();
        if (!shown) {
            std::puts("shown: nothing");
            std::fflush(stdout);
            return QCoreApplication::exit(3);
        }
        QFile name(QStringLiteral("/proc/self/comm"));
        const bool full = shown->windowStates().testFlag(Qt::WindowFullScreen);
        std::printf("shown: %s%s\ndrawn: %dx%d device pixels at %g\nname: %s",
                    qPrintable(shown->title()), full ? ", full screen" : "", drawn.width(),
                    drawn.height(), shown->devicePixelRatio(),
                    name.open(QIODevice::ReadOnly) ? name.readAll().constData() : "?\n");
        std::fflush(stdout);
        QTimer::singleShot(300, shown, [this, shown] {
            if (m_terminate)
                std::raise(SIGTERM);
            else
                shown->close();
        });
    }

    bool m_terminate;
    QTimer m_timer;
    int m_looks = 0;
};

class OnlookerPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "onlooker.json")
public:
    QObject* create(const QString& key, const QString& parameters) override
    {
        return key == QLatin1StringView("stopwise-onlooker") ? new Onlooker(parameters) : nullptr;
    }
};

} // namespace

#include "Onlooker.moc"
