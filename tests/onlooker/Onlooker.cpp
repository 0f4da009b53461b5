// A Qt generic plugin that watches a program from inside it, for the program test. Loaded with
// QT_QPA_GENERIC_PLUGINS=stopwise-onlooker:ENDING:REFERENCE.png, it waits for a window to be
// shown, grabs what was drawn in it (the window's own pixels, not a fresh rendering), compares
// the part that both cover with the reference image (in the middle of a full-screen window on
// plain white, at the top left of any other), and prints what it saw and the process's name:
//   shown: TITLE                             (", full screen" after it for a full screen)
//   drawn: WIDTHxHEIGHT as the reference     (or "unlike the reference")
//   name: NAME
// A moment later, time for a watchdog's reports, it ends the program as a person or systemd
// would: ENDING "close" closes the window, "terminate" sends the process SIGTERM. A window
// that is never shown is reported as "shown: nothing", and the program ended with status 3.
#include <QApplication>
#include <QBackingStore>
#include <QFile>
#include <QGenericPlugin>
#include <QImage>
#include <QPainter>
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
    explicit Onlooker(const QString& ending, const QString& reference)
        : m_terminate(ending == QLatin1StringView("terminate"))
        , m_reference(QImage(reference).convertToFormat(QImage::Format_RGB32))
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
        QImage drawn = drawnIn(shown);
        drawn.setDevicePixelRatio(1);
        const bool full = shown && shown->windowStates().testFlag(Qt::WindowFullScreen);
        QImage expected = m_reference; // a full screen: in its middle, on plain white
        if (full) {
            expected = QImage(drawn.size(), QImage::Format_RGB32);
            expected.fill(Qt::white);
            QPainter(&expected).drawImage((drawn.width() - m_reference.width()) / 2,
                                          (drawn.height() - m_reference.height()) / 2, m_reference);
        }
        const QRect both = drawn.rect() & expected.rect();
        const bool same =
            !both.isEmpty() &&
            drawn.convertToFormat(QImage::Format_RGB32).copy(both) == expected.copy(both);
        if (!same && ++m_looks < Looks)
            return; // not shown or not painted yet
        m_timer.stop();
        if (!shown) {
            std::puts("shown: nothing");
            std::fflush(stdout);
            return QCoreApplication::exit(3);
        }
        QFile name(QStringLiteral("/proc/self/comm"));
        std::printf("shown: %s%s\ndrawn: %dx%d %s the reference\nname: %s",
                    qPrintable(shown->title()), full ? ", full screen" : "", both.width(),
                    both.height(), same ? "as" : "unlike",
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
    QImage m_reference;
    QTimer m_timer;
    int m_looks = 0;
};

class OnlookerPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "onlooker.json")
public:
    QObject* create(const QString& key, const QString& parameters) override
    {
        return key == QLatin1StringView("stopwise-onlooker")
                   ? new Onlooker(parameters.section(u':', 0, 0), parameters.section(u':', 1))
                   : nullptr;
    }
};

} // namespace

#include "Onlooker.moc"
