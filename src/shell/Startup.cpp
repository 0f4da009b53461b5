#include "shell/Startup.h"

#include "shell/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace stopwise {
namespace {

constexpr char ScaleFactor[] = "QT_SCALE_FACTOR";
constexpr char Measured[] = "STOPWISE_SCREEN_MEASURED"; // the guard: one start again, never more

// The primary screen's size in device pixels, and the ratio Qt draws at there with no scale
// of its own: a Wayland output with a scale of 2 reports half its pixels and a ratio of 2.
// Nothing for no screen.
struct Screen {
    QSize pixels;
    qreal ratio = 0;
};

Screen measure(int argc, char* argv[])
{
    std::vector<char*> arguments(argv, argv + argc + 1); // Qt takes its own options out
    int count = argc;
    const QGuiApplication measuring(count, arguments.data());
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 0;
    if (!(ratio > 0))
        return {};
    return {(QSizeF(screen->geometry().size()) * ratio).toSize(), ratio};
} // the connection to the window system closes here, before the program starts again

// The program's own file by its name, so that the program started again keeps its process
// name (/proc/PID/comm), which the kiosk session's stop and its checks look for; the file
// itself where it was replaced on disk since (an upgrade), or its path cannot be read.
std::string ownFile()
{
    std::error_code unread;
    const std::string path = std::filesystem::read_symlink("/proc/self/exe", unread);
    return unread || path.ends_with(" (deleted)") ? "/proc/self/exe" : path;
}

} // namespace

bool startedFitted()
{
    const bool fitted = qEnvironmentVariableIsSet(Measured);
    qunsetenv(fitted ? Measured : ScaleFactor);
    return fitted;
}

void startAgainFitted(int argc, char* argv[])
{
    const Screen screen = measure(argc, argv);
    const double scale = SettledScale(screen.pixels.width(), screen.pixels.height());
    if (!UsableScale(scale)) {
        std::fprintf(stderr,
                     "stopwise: the screen reports %dx%d device pixels, no size to fit the "
                     "screens to; they are drawn at scale 1\n",
                     screen.pixels.width(), screen.pixels.height());
        return;
    }
    // Qt multiplies its scale with the ratio it finds, so the ratio is divided out.
    qputenv(ScaleFactor,
            QByteArray::number(scale / screen.ratio, 'g', QLocale::FloatingPointShortest));
    qputenv(Measured, "1");
    execv(ownFile().c_str(), argv);
    std::fprintf(stderr, "stopwise: cannot start again at scale %g (%s); drawn at scale 1\n", scale,
                 std::strerror(errno));
    qunsetenv(ScaleFactor);
    qunsetenv(Measured);
}

double ownScale()
{
    const double own = qEnvironmentVariable(ScaleFactor).toDouble();
    return own > 0 ? own : 1;
}

} // namespace stopwise
