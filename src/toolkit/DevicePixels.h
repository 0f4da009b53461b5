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

} // namespace stopwise
