// stopwise-screens OUTDIR [--scale N]
// Walks a real kiosk window through the tour of its screens by touch, as a visitor would,
// and writes one PNG of the window per screen into OUTDIR, with the renderer they were made
// with (Qt, FreeType and font file versions) in OUTDIR/renderer.txt and the buttons a screen
// reader is offered on each screen in OUTDIR/readout.txt. With --scale the window is
// drawn at that device pixel ratio (through QT_SCALE_FACTOR), as on a larger touch screen. Runs
// without a display unless QT_QPA_PLATFORM says otherwise.
#include "Readout.h"
#include "Renderer.h"
#include "Tour.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <cstdio>

using namespace stopwise::testing;

int main(int argc, char* argv[])
{
    const bool scaled = argc == 4 && QByteArray(argv[2]) == "--scale";
    const double scale = scaled ? QByteArray(argv[3]).toDouble() : 1;
    if ((argc != 2 && !scaled) || scale <= 0) {
        std::fputs("usage: stopwise-screens OUTDIR [--scale N]\n", stderr);
        return 2;
    }
    // The scale exactly as asked, as the kiosk sets its own: six digits would make 270/109
    // another scale.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'g', QLocale::FloatingPointShortest));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "stopwise-screens: cannot create %s\n", argv[1]);
        return 1;
    }
    Kiosk kiosk(Form::Extent);
    QFile renderer(out.filePath(QString::fromLatin1(RendererFile)));
    bool written = renderer.open(QIODevice::WriteOnly) &&
                   renderer.write(describeRenderer(kiosk.window()).toUtf8()) > 0;
    renderer.close();
    std::printf("%s\n", qPrintable(renderer.fileName()));
    QFile readout(out.filePath(QString::fromLatin1(ReadoutFile)));
    written = readout.open(QIODevice::WriteOnly) && written;
    const QString astray = walkTour(kiosk, [&](const Sight& sight) {
        const QString file = out.filePath(imageName(sight, scale));
        written = photograph(kiosk.top()).save(file) && written;
        written = readout.write(readOut(sight.name, kiosk.window()).toUtf8()) > 0 && written;
        std::printf("%s\n", qPrintable(file));
    });
    std::printf("%s\n", qPrintable(readout.fileName()));
    if (!astray.isEmpty())
        std::fprintf(stderr, "stopwise-screens: cannot reach %s\n", qPrintable(astray));
    return astray.isEmpty() && written ? 0 : 1;
}
