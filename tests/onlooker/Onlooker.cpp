// A Qt generic plugin that watches a program from inside it, for the program test. Loaded with
// QT_QPA_GENERIC_PLUGINS=stopwise-onlooker:REFERENCE.png, it waits for a window to be shown,
// grabs what was drawn in it (the window's own pixels, not a fresh rendering), compares the
// part that both cover with the reference image, prints what it saw and closes the window as
// a person would:
//   shown: TITLE
//   drawn: WIDTHxHEIGHT as the reference     (or "unlike the reference")
// A window that is never shown is reported as "shown: nothing", and the program ended with
// status 3.
#include <QGenericPlugin>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Looks = 200; // every 50 ms: ten seconds

class Onlooker : public QObject {
public:
    explicit Onlooker(const QString& reference)
        : m_reference(QImage(reference).convertToFormat(QImage::Format_RGB32))
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
        QImage drawn = shown ? shown->screen()->grabWindow(shown->winId()).toImage() : QImage();
        drawn.setDevicePixelRatio(1);
        const QRect both = drawn.rect() & m_reference.rect();
        const bool same =
            !both.isEmpty() &&
            drawn.convertToFormat(QImage::Format_RGB32).copy(both) == m_reference.copy(both);
        if (!same && ++m_looks < Looks)
            return; // not shown or not painted yet
        m_timer.stop();
        if (!shown) {
            std::puts("shown: nothing");
            std::fflush(stdout);
            return QCoreApplication::exit(3);
        }
        std::printf("shown: %s\ndrawn: %dx%d %s the reference\n", qPrintable(shown->title()),
                    both.width(), both.height(), same ? "as" : "unlike");
        std::fflush(stdout);
        shown->close();
    }

    QImage m_reference;
    QTimer m_timer;
    int m_looks = 0;
};

class OnlookerPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "onlooker.json")
public:
    QObject* create(const QString& key, const QString& reference) override
    {
        return key == QLatin1StringView("stopwise-onlooker") ? new Onlooker(reference) : nullptr;
    }
};

} // namespace

#include "Onlooker.moc"
