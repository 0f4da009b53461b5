#include "shell/Surround.h"

#include "screens/Layout.h"
#include "shell/KeepOnScreen.h"
#include "shell/ScreenFit.h"
#include "shell/Startup.h"
#include "toolkit/PlainBackground.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include <cmath>
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
    // Where the window system has a ratio of its own (a Wayland output's scale of 2 under
    // Qt's 1.875), Qt hands it what it paints rounded out to the window system's whole pixels.
    // At an edge of the extent that takes in a device column of the surround that was not
    // painted, which on a buffer just made for a frame is black. So each frame paints the
    // surround along the extent's edges too.
    const QRect extent = m_kiosk->geometry();
    m_edges = std::abs(scale - own) < Hair
                  ? QRegion()
                  : QRegion(extent.adjusted(-1, -1, 1, 1)).subtracted(extent);
}

// Qt paints a window's frame when the window is sent an update request.
bool Surround::event(QEvent* event)
{
    if (event->type() == QEvent::UpdateRequest && !m_edges.isEmpty())
        update(m_edges);
    return QWidget::event(event);
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
