// Large text, drawn from a cache. Qt draws glyphs above 64 device pixels as paths, afresh on
// every repaint, and Qt 6.4's FreeType engine will not hand its glyph cache images of them, so
// asking Qt for a larger cache only loses the text. On a large screen the labels' words reach
// 180 device pixels; their glyphs are made into images here once per face, size and glyph, and
// every repaint after that copies them.
#pragma once

#include <QPainter>
#include <QTextLayout>

namespace stopwise {

// Whether Qt would draw text of `pixelSize` as paths at `devicePixelRatio`.
bool isLargeText(int pixelSize, qreal devicePixelRatio);

// Draws the lines of `layout` (black, at the painter's origin) from the cache of glyph images.
void drawLargeText(QPainter& painter, const QTextLayout& layout);

} // namespace stopwise
