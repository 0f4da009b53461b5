#include "assets/Artwork.h"

#include "assets/Forms.h"

#include <map>
#include <string>
#include <tuple>

namespace stopwise {

const QPixmap& assetPixmap(const Asset& asset, qreal devicePixelRatio)
{
    // Keyed by value: an asset's words need not outlive the call.
    using Key = std::tuple<Art, std::string, int, int, qreal>;
    static std::map<Key, QPixmap> cache;
    Key key{asset.art, std::string(asset.words), asset.width, asset.height, devicePixelRatio};
    auto found = cache.find(key);
    if (found == cache.end())
        found = cache.emplace(std::move(key), drawPicture(asset, devicePixelRatio)).first;
    return found->second;
}

} // namespace stopwise
