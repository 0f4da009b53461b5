// stopwise-screens OUTDIR [--scale N]
// Walks the real kiosk window through every screen by touching it, as a visitor would, and
// writes one PNG of the window per screen into OUTDIR. With --scale the window is drawn at
// that device pixel ratio (through QT_SCALE_FACTOR), to check the artwork at high density.
// Runs without a display unless QT_QPA_PLATFORM says otherwise.
#include "KioskHarness.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdint>
#include <cstdio>
#include <initializer_list>

namespace {

enum class Act : std::uint8_t {
    Tap,    // touch the named control and lift
    Choose, // touch the select button of the candidate row showing these words
    Hold,   // touch the named control and keep the finger down until the screen is taken
};

struct Touch {
    Act act;
    const char* what;
};

struct Screen {
    const char* file;
    std::initializer_list<Touch> touches; // from the screen before
};

using enum Act;

// clang-format off
const Screen Tour[] = {
    {"01-welcome", {}},
    {"02-main-menu", {{Tap, "IntroMessage(3)"}}},
    {"03-arrivals", {{Tap, "WhensTheBusComing"}}},
    {"04-search-type", {{Tap, "BusScheduleOK"}, {Tap, "HowDoIGetTo"}}},
    {"05-street-prompt", {{Tap, "IKnowStreetNames"}}},
    {"06-streets-m", {{Tap, "Letters(12)"}}},
    {"07-streets-m-page-2", {{Tap, "MoreStreets(0)"}}},
    {"08-number-keypad", {{Tap, "Letters(27)"}, {Tap, "Letters(26)"}, {Tap, "Numbers(8)"}}},
    {"09-key-held", {{Tap, "Numbers(10)"}, {Tap, "Letters(27)"}, {Hold, "Letters(5)"}}},
    {"10-cross-street-prompt", {{Choose, "Forbes Ave"}}},
    {"11-cross-streets-s", {{Tap, "Letters(18)"}}},
    {"12-no-match", {{Tap, "Letters(27)"}, {Tap, "Letters(16)"}}},
    {"13-street-directions", {{Tap, "Letters(27)"}, {Tap, "Letters(12)"}, {Choose, "Murray Ave"}}},
    {"14-areas-w", {{Tap, "InstructionsOK"}, {Tap, "HowDoIGetTo"}, {Tap, "IKnowLocation"},
                    {Tap, "Letters(22)"}}},
    {"15-stops-oakland", {{Tap, "Letters(27)"}, {Tap, "Letters(14)"}, {Choose, "Oakland"}}},
    {"16-stop-directions", {{Choose, "Cathedral of Learning"}}},
};
// clang-format on

using stopwise::testing::Kiosk;

// Touches only what a finger would find there: a control that is shown and uncovered at its
// centre. A tour that has gone astray stops rather than photographing the wrong screens.
bool reachable(const Kiosk& kiosk, const QString& name)
{
    const QWidget* control = kiosk.control(name);
    return control && control->isVisible() && kiosk.window.childAt(kiosk.centre(name)) == control;
}

bool perform(Kiosk& kiosk, const Touch& touch)
{
    const QString what = QString::fromUtf8(touch.what);
    if (touch.act == Choose)
        return kiosk.choose(what);
    if (!reachable(kiosk, what))
        return false;
    if (touch.act == Hold)
        kiosk.press(kiosk.centre(what));
    else
        kiosk.touch(what);
    return true;
}

int usage()
{
    std::fputs("usage: stopwise-screens OUTDIR [--scale N]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2 && !(argc == 4 && QByteArray(argv[2]) == "--scale"))
        return usage();
    if (argc == 4) {
        bool ok = false;
        if (QByteArray(argv[3]).toDouble(&ok) <= 0 || !ok)
            return usage();
        qputenv("QT_SCALE_FACTOR", argv[3]);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "stopwise-screens: cannot create %s\n", argv[1]);
        return 1;
    }

    Kiosk kiosk;
    for (const Screen& screen : Tour) {
        for (const Touch& touch : screen.touches) {
            if (!perform(kiosk, touch)) {
                std::fprintf(stderr, "stopwise-screens: %s: cannot touch %s\n", screen.file,
                             touch.what);
                return 1;
            }
        }
        const QString file = out.filePath(QString::fromUtf8(screen.file) + QStringLiteral(".png"));
        if (!kiosk.window.grab().save(file)) {
            std::fprintf(stderr, "stopwise-screens: cannot write %s\n", qPrintable(file));
            return 1;
        }
        for (const Touch& touch : screen.touches)
            if (touch.act == Hold)
                kiosk.release(kiosk.centre(QString::fromUtf8(touch.what)));
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
