// Draws the kiosk's pictures. Each picture is painted once per device pixel ratio into a
// cache and handed out from there, so paint events only copy finished pixels.
#pragma once

#include "assets/Asset.h"

#include <QImage>
#include <QString>

namespace stopwise {

// A finished picture: its pixels for one device pixel ratio, and the rectangle of one colour
// through its middle (empty where the middle is not plain). A painter fills that part
// rather than copying it: a card's face is most of its pixels.
struct Artwork {
    QImage pixels;
    QRect plain;
    QRgb plainColour = 0;
};

// The picture at its logical size, rendered for `devicePixelRatio`; opaque. Drawn on the
// first request for that asset and ratio, the same artwork every time after.
const Artwork& assetArtwork(const Asset& asset, qreal devicePixelRatio);

// The words a person reads on the picture.
inline QString wordsOf(const Asset& asset)
{
    return QString::fromUtf8(asset.words.data(), qsizetype(asset.words.size()));
}

} // namespace stopwise
