#include "assets/Artwork.h"

#include "assets/Forms.h"

#include <algorithm>
#include <map>
#include <string>
#include <tuple>

namespace stopwise {
namespace {

// The colour of the picture's centre, spread along the centre row as far as it goes, then
// up and down over every row that is that colour all across.
QRect plainMiddle(const QImage& image)
{
    const auto row = [&image](int y) { return reinterpret_cast<const QRgb*>(image.scanLine(y)); };
    const QPoint centre = image.rect().center();
    const QRgb colour = row(centre.y())[centre.x()];
    const QRgb* middle = row(centre.y());
    int left = centre.x(), right = centre.x();
    while (left > 0 && middle[left - 1] == colour)
        --left;
    while (right + 1 < image.width() && middle[right + 1] == colour)
        ++right;
    const auto plainRow = [&](int y) {
        return std::all_of(row(y) + left, row(y) + right + 1, [&](QRgb p) { return p == colour; });
    };
    int top = centre.y(), bottom = centre.y();
    while (top > 0 && plainRow(top - 1))
        --top;
    while (bottom + 1 < image.height() && plainRow(bottom + 1))
        ++bottom;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

Artwork finished(QImage pixels)
{
    const QRect plain = plainMiddle(pixels);
    const QRgb colour = pixels.pixel(plain.topLeft());
    return {std::move(pixels), plain, colour};
}

} // namespace

const Artwork& assetArtwork(const Asset& asset, qreal devicePixelRatio)
{
    // Keyed by value: an asset's words need not outlive the call.
    using Key = std::tuple<Art, std::string, int, int, qreal>;
    static std::map<Key, Artwork> cache;
    Key key{asset.art, std::string(asset.words), asset.width, asset.height, devicePixelRatio};
    auto found = cache.find(key);
    if (found == cache.end())
        found = cache.emplace(std::move(key), finished(drawPicture(asset, devicePixelRatio))).first;
    return found->second;
}

} // namespace stopwise
