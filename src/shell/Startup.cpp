#include "shell/Startup.h"

#include "shell/ScreenFit.h"

#include <QScreen>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>

namespace stopwise {

void scaleToFit(const QScreen& screen)
{
    // The window system's own size and ratio, untouched by Qt's scaling: a Wayland output
    // with a scale of 2 reports half its pixels and a ratio of 2.
    const QPlatformScreen& platform = *screen.handle();
    const qreal ratio = platform.devicePixelRatio();
    const QSize pixels = platform.geometry().size() * ratio;
    QHighDpiScaling::setGlobalFactor(FittingScale(pixels.width(), pixels.height()) / ratio);
}

} // namespace stopwise
