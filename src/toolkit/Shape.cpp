#include "toolkit/Shape.h"

#include "toolkit/DevicePixels.h"

#include <QPainter>

#include <algorithm>

namespace stopwise {

Shape::Shape(QWidget* parent, QColor fill, bool outlined)
    : QWidget(parent)
    , m_fill(fill)
    , m_outlined(outlined)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Shape::paintEvent(QPaintEvent*)
{
    // Paint in device pixels: the widget's device box is rounded the way Qt rounds its clip,
    // so that every pixel Qt gives it is painted, and the outline is whole pixels, as wide on
    // every side and flush with the edges at any pixel ratio, instead of a logical 1-pixel pen
    // that rounds differently on each side.
    QPainter painter(this);
    const QRect area = deviceArea(paintInDevicePixels(painter), rect());
    if (!m_outlined) {
        painter.fillRect(area, m_fill);
        return;
    }
    const int edge = std::max(1, qRound(devicePixelRatioF()));
    painter.fillRect(area, Qt::black);
    painter.fillRect(area.adjusted(edge, edge, -edge, -edge), m_fill);
}

} // namespace stopwise
