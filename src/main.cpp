// Starts the kiosk: one window, shown where the window system places new windows, or, with
// --full-screen, the whole screen for the stop's own session.
#include "shell/Startup.h"
#include "shell/Stopwise.h"
#include "shell/Surround.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <string_view>

int main(int argc, char* argv[])
{
    // The scale of a full screen is settled before Qt starts.
    const bool fillScreen =
        std::find(argv + 1, argv + argc, std::string_view("--full-screen")) != argv + argc;
    if (fillScreen && !stopwise::startedFitted())
        stopwise::startAgainFitted(argc, argv);

    QApplication app(argc, argv);
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Touch-screen information kiosk for the bus stop at Phillips & Murray."));
    options.addHelpOption();
    const QCommandLineOption fullScreen(
        QStringLiteral("full-screen"),
        QStringLiteral("Fill the screen: the screens at the largest scale that fits, centred."));
    options.addOption(fullScreen);
    options.process(app);

    if (options.isSet(fullScreen)) {
        stopwise::Surround screen;
        screen.fillScreen();
        return app.exec();
    }
    stopwise::Stopwise window;
    window.show();
    return app.exec();
}
