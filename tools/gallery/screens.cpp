// stopwise-screens OUTDIR [--scale N | --full-screen] [--only NAME,...]
// Walks a real kiosk window through the tour of its screens by touch, as a visitor would,
// and writes one PNG of the window per screen into OUTDIR, with the renderer they were made
// with (the Qt version and the faces the fonts resolve to) in OUTDIR/renderer.txt and the
// buttons a screen reader is offered on each screen in OUTDIR/readout.txt. With --scale the window
// is drawn at that device pixel ratio (QT_SCALE_FACTOR, exactly as given), as on a larger touch
// screen. With --full-screen the kiosk fills the screen as the program does: it measures the screen
// and starts again at the scale it chooses. Each screen's extent is then cut out where the
// kiosk placed it, and the whole screen is kept once, on its welcome screen, as screen.png.
// The first line printed is "scale S ratio R at X,Y": the scale chosen, the ratio the window
// draws at and the extent's place in logical pixels. The two differ only on a screen with a
// ratio of its own on the offscreen platform, whose windows leave that ratio out: then
// nothing is photographed. With --only, only the screens named are photographed (the tour is
// walked whole). Runs without a display unless QT_QPA_PLATFORM says otherwise.
#include "Readout.h"
#include "Renderer.h"
#include "Tour.h"

#include "shell/ScreenFit.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>

#include <cstdio>
#include <optional>

using namespace stopwise::testing;

namespace {

struct Options {
    QByteArray scale = "1"; // QT_SCALE_FACTOR, exactly as given; nothing for a full screen
    bool fullScreen = false;
    QList<QByteArray> only; // the screens to photograph; all when empty
};

// The options after OUTDIR, or nothing when they make no sense.
std::optional<Options> readOptions(int argc, char* argv[])
{
    Options options;
    for (int i = 2; i < argc; ++i) {
        const QByteArray option = argv[i];
        if (option == "--full-screen" && options.scale == "1")
            options = {{}, true, options.only};
        else if (option == "--scale" && i + 1 < argc && QByteArray(argv[i + 1]).toDouble() > 0 &&
                 !options.fullScreen)
            options.scale = argv[++i];
        else if (option == "--only" && i + 1 < argc)
            options.only = QByteArray(argv[++i]).split(',');
        else
            return std::nullopt;
    }
    return options;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::optional<Options> options = argc > 1 ? readOptions(argc, argv) : std::nullopt;
    if (!options) {
        std::fputs("usage: stopwise-screens OUTDIR [--scale N | --full-screen] [--only NAME,...]\n",
                   stderr);
        return 2;
    }
    const bool fullScreen = options->fullScreen;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!fullScreen)
        qputenv("QT_SCALE_FACTOR", options->scale);
    else if (!stopwise::startedFitted())
        stopwise::startAgainFitted(argc, argv);

    QApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "stopwise-screens: cannot create %s\n", argv[1]);
        return 1;
    }
    Kiosk kiosk(fullScreen ? Form::FullScreen : Form::Extent);
    const qreal scale = kiosk.top().screen()->devicePixelRatio(); // a widget's own is rounded
    const QPoint place = kiosk.window().pos();
    const QRect extent((QPointF(place) * scale).toPoint(),
                       QSize(stopwise::ExtentWidth, stopwise::ExtentHeight) * scale);
    if (fullScreen) {
        const qreal drawnAt = kiosk.handle()->devicePixelRatio();
        std::printf("scale %.17g ratio %.17g at %d,%d\n", scale, drawnAt, place.x(), place.y());
        if (drawnAt != scale)
            return 0;
    }
    QFile renderer(out.filePath(QString::fromLatin1(RendererFile)));
    bool written = renderer.open(QIODevice::WriteOnly) &&
                   renderer.write(describeRenderer(kiosk.window()).toUtf8()) > 0;
    renderer.close();
    std::printf("%s\n", qPrintable(renderer.fileName()));
    QFile readout(out.filePath(QString::fromLatin1(ReadoutFile)));
    written = readout.open(QIODevice::WriteOnly) && written;
    const QString astray = walkTour(kiosk, [&](const Sight& sight) {
        if (!options->only.isEmpty() && !options->only.contains(sight.name))
            return;
        const QString file = out.filePath(imageName(sight, scale));
        QImage photo = photograph(kiosk.top());
        if (fullScreen && &sight == &Tour.first())
            written = photo.save(out.filePath(QStringLiteral("screen.png"))) && written;
        written = (fullScreen ? photo.copy(extent) : photo).save(file) && written;
        written = readout.write(readOut(sight.name, kiosk.window()).toUtf8()) > 0 && written;
        std::printf("%s\n", qPrintable(file));
    });
    std::printf("%s\n", qPrintable(readout.fileName()));
    if (!astray.isEmpty())
        std::fprintf(stderr, "stopwise-screens: cannot reach %s\n", qPrintable(astray));
    return astray.isEmpty() && written ? 0 : 1;
}
