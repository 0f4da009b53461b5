#include "assets/Artwork.h"

#include <map>
#include <tuple>

#include <QPainter>

namespace stopwise {
namespace {

QPixmap paint(const Asset& asset, qreal dpr)
{
    QPixmap pixmap(QSize(asset.width, asset.height) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(QColor(0xD1, 0xD3, 0xD4));
    QPainter painter(&pixmap);
    painter.drawRect(0, 0, asset.width - 1, asset.height - 1);
    painter.drawText(QRect(0, 0, asset.width, asset.height), Qt::AlignCenter,
                     QString::fromUtf8(asset.words.data(), qsizetype(asset.words.size())));
    return pixmap;
}

} // namespace

const QPixmap& assetPixmap(const Asset& asset, qreal devicePixelRatio)
{
    using Key = std::tuple<int, std::string_view, int, int, qreal>;
    static std::map<Key, QPixmap> cache;
    const Key key{int(asset.art), asset.words, asset.width, asset.height, devicePixelRatio};
    auto found = cache.find(key);
    if (found == cache.end())
        found = cache.emplace(key, paint(asset, devicePixelRatio)).first;
    return found->second;
}

} // namespace stopwise
