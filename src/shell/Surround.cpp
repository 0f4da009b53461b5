#include "shell/Surround.h"

#include "screens/Layout.h"
#include "shell/KeepOnScreen.h"
#include "shell/ScreenFit.h"
#include "shell/Startup.h"
#include "toolkit/PlainBackground.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include <utility>

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

// A touch on the surround is a press and a release on it, as on a control; the kiosk decides
// what it does.
void Surround::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    m_pressed = m_pressed || event->button() == Qt::LeftButton;
}

void Surround::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !std::exchange(m_pressed, false))
        return;
    if (rect().contains(event->position().toPoint()))
        m_kiosk->Surround_Click();
}

} // namespace stopwise
