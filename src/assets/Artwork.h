// Draws the kiosk's pictures. Each picture is painted once per device pixel ratio into a
// cache and handed out from there, so paint events only copy finished pixmaps.
#pragma once

#include "assets/Asset.h"

#include <QPixmap>
#include <QString>

namespace stopwise {

// The picture at its logical size, rendered for `devicePixelRatio`; opaque. Drawn on the
// first request for that asset and ratio, the same pixmap every time after.
const QPixmap& assetPixmap(const Asset& asset, qreal devicePixelRatio);

// The words a person reads on the picture.
inline QString wordsOf(const Asset& asset)
{
    return QString::fromUtf8(asset.words.data(), qsizetype(asset.words.size()));
}

} // namespace stopwise
