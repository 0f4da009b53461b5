// Starts the kiosk: one window, shown where the window system places new windows, or, with
// --full-screen, the whole screen for the stop's own session. Under a service manager it
// reports the window's frames (Heartbeat), and its stop ends it with status 0 (CleanStop). On
// Wayland a touchscreen taken away with a finger on it leaves no key held (SeatWatch).
#include "shell/CleanStop.h"
#include "shell/Heartbeat.h"
#include "shell/SeatWatch.h"
#include "shell/Startup.h"
#include "shell/Stopwise.h"
#include "shell/Surround.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <string_view>

int main(int argc, char* argv[])
{
    // The scale of a full screen is settled before Qt starts. The service manager's variables
    // stay in place until then, for the program started again at that scale.
    const bool fillScreen =
        std::find(argv + 1, argv + argc, std::string_view("--full-screen")) != argv + argc;
    if (fillScreen && !stopwise::startedFitted())
        stopwise::startAgainFitted(argc, argv);
    const stopwise::ServiceManager manager = stopwise::takeServiceManager(); // before Qt's threads
    QApplication app(argc, argv);
    stopwise::quitOnTerminate(app);
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Touch-screen information kiosk for the bus stop at Phillips & Murray."));
    options.addHelpOption();
    const QCommandLineOption fullScreen(
        QStringLiteral("full-screen"),
        QStringLiteral("Fill the screen: the screens at the largest scale that fits, centred."));
    options.addOption(fullScreen);
    options.process(app);
    const stopwise::SeatWatch seat;

    if (options.isSet(fullScreen)) {
        stopwise::Surround screen;
        screen.fillScreen();
        stopwise::Heartbeat heartbeat(manager, screen);
        return app.exec();
    }
    stopwise::Stopwise window;
    window.show();
    stopwise::Heartbeat heartbeat(manager, window);
    return app.exec();
}
