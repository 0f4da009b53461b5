// stopwise-screens OUTDIR [--scale N]
// Walks a real kiosk window through the tour of its screens by touch, as a visitor would,
// and writes one PNG of the window per screen into OUTDIR. With --scale the window is drawn
// at that device pixel ratio (through QT_SCALE_FACTOR), as on a larger touch screen. Runs
// without a display unless QT_QPA_PLATFORM says otherwise.
#include "Tour.h"

#include <QApplication>
#include <QDir>

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
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "stopwise-screens: cannot create %s\n", argv[1]);
        return 1;
    }
    Kiosk kiosk(Form::Extent);
    bool written = true;
    const QString astray = walkTour(kiosk, [&](const Sight& sight) {
        const QString file = out.filePath(imageName(sight, scale));
        written = kiosk.top().grab().save(file) && written;
        std::printf("%s\n", qPrintable(file));
    });
    if (!astray.isEmpty())
        std::fprintf(stderr, "stopwise-screens: cannot reach %s\n", qPrintable(astray));
    return astray.isEmpty() && written ? 0 : 1;
}
