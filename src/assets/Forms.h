// Paints one picture from its look: one routine per form (key, box, pill, disc, card),
// each taking its colours, words and sizes from the asset and the looks table.
#pragma once

#include "assets/Asset.h"

#include <QImage>

namespace stopwise {

// The asset drawn afresh at its logical size for `devicePixelRatio`; every pixel opaque.
QImage drawPicture(const Asset& asset, qreal devicePixelRatio);

} // namespace stopwise
