#include "toolkit/Picture.h"

#include "assets/Artwork.h"
#include "toolkit/DevicePixels.h"
#include "toolkit/Label.h"

#include <QPaintEngine>
#include <QPainter>

namespace stopwise {

Picture::Picture(QWidget* parent, short index, const Asset& asset)
    : Control(parent, index)
    , m_asset(asset)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(asset.width, asset.height);
}

void Picture::setReadWith(const Label* label)
{
    m_readWith = label;
    connect(label, &Label::textChanged, this, &Picture::nameChanged);
}

// The artwork was made for this ratio, so it is drawn in device pixels: each of its pixels
// lands on one of the screen's, copied straight or, in its plain middle, filled. Drawn at
// the ratio, Qt would sample it pixel by pixel, which on a large screen took most of a touch.
void Picture::paintEvent(QPaintEvent*)
{
    const Artwork& art = assetArtwork(m_asset, devicePixelRatioF());
    QPainter painter(this);
    const QPoint first = devicePixel(paintInDevicePixels(painter), QPointF());
    const QRect artwork = art.pixels.rect().translated(first);
    const QRect plain = art.plain.translated(first);
    // One rectangle of the area to paint at a time: under a clip of one rectangle, copies and
    // fills are straight runs of memory.
    for (const QRect& area : painter.paintEngine()->systemClip()) {
        // The artwork covers the control's every device pixel; never read beyond it.
        const QRect mine = area & artwork;
        painter.setClipRect(mine);
        for (const QRect& part : QRegion(mine).subtracted(plain))
            painter.drawImage(part.topLeft(), art.pixels, part.translated(-first));
        painter.fillRect(mine & plain, QColor::fromRgb(art.plainColour));
    }
}

} // namespace stopwise
