#include "shell/Surround.h"

#include "screens/Layout.h"
#include "shell/KeepOnScreen.h"
#include "shell/ScreenFit.h"
#include "shell/Startup.h"
#include "toolkit/PlainBackground.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace stopwise {

Surround::Surround()
    : m_kiosk(new Stopwise(this))
{
    setWindowTitle(QStringLiteral("Stopwise"));
    setMinimumSize(ExtentWidth, ExtentHeight);
    fillBackground(*this, QColor::fromRgb(WindowBackground));
    keepOnScreen(*this);
}

void Surround::fillScreen()
{
    if (const QScreen* whole = QGuiApplication::primaryScreen())
        setGeometry(whole->geometry());
    showFullScreen();
}

void Surround::resizeEvent(QResizeEvent*)
{
    const qreal scale = screen()->devicePixelRatio(); // a widget's own is rounded to 1/65536
    const double own = ownScale();
    m_kiosk->move(ExtentOffset(width(), ExtentWidth, scale, own),
                  ExtentOffset(height(), ExtentHeight, scale, own));
}

void Surround::mousePressEvent(QMouseEvent* event)
{
    event->accept(); // a touch beside the screens does nothing
}

} // namespace stopwise
