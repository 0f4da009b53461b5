#include "toolkit/Picture.h"

#include "assets/Artwork.h"
#include "toolkit/Label.h"

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

void Picture::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, assetPixmap(m_asset, devicePixelRatioF()));
}

} // namespace stopwise
