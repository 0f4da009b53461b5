// Painting in device pixels. Pictures and large glyphs are made for the screen's ratio, so they
// are placed on whole pixels of the paint device rather than scaled by the painter.
#pragma once

#include <QPainter>

namespace stopwise {

// Switches `painter` to the paint device's own pixels: from here on its coordinates are
// whole device pixels. Returns the transform it had, which takes the control's coordinates
// there.
inline QTransform paintInDevicePixels(QPainter& painter)
{
    const QTransform toDevice = painter.deviceTransform();
    painter.setWorldTransform(toDevice.inverted(), true);
    return toDevice;
}

// The device pixel `point` (in the control's coordinates) lands on, rounded as Qt rounds
// the place of a picture.
inline QPoint devicePixel(const QTransform& toDevice, QPointF point)
{
    const QPointF mapped = toDevice.map(point);
    return {qRound(mapped.x()), qRound(mapped.y())};
}

// The device pixels Qt has a widget paint for its `area` (in the widget's coordinates): the
// corners rounded to whole device pixels, as Qt rounds the region it gives the widget. Rounding
// the place and the size apart, as QTransform::mapRect does, comes out a row or a column short
// or over at a scale such as 8/3.
inline QRect deviceArea(const QTransform& toDevice, const QRect& area)
{
    const QPoint first = devicePixel(toDevice, area.topLeft());
    const QPoint end =
        devicePixel(toDevice, QPointF(area.x() + area.width(), area.y() + area.height()));
    return QRect(first, end - QPoint(1, 1));
}

} // namespace stopwise
