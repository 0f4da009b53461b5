#include "toolkit/LargeGlyphs.h"

#include "toolkit/DevicePixels.h"

#include <QGlyphRun>
#include <QRawFont>

#include <map>
#include <tuple>

namespace stopwise {
namespace {

constexpr qreal LargestCachedByQt = 64; // device pixels

struct GlyphImage {
    QImage image;  // black, its coverage in the alpha channel
    QPoint offset; // of its top left from the glyph's origin on the baseline
};

using GlyphKey = std::tuple<QString, QString, int, qreal, quint32>;

const GlyphImage& glyphImage(const QRawFont& font, quint32 glyph)
{
    static std::map<GlyphKey, GlyphImage> cache;
    const GlyphKey key{font.familyName(), font.styleName(), font.weight(), font.pixelSize(), glyph};
    if (auto found = cache.find(key); found != cache.end())
        return found->second;
    // The coverage comes as alpha over black, or as grey levels with a colour table.
    const QImage coverage = font.alphaMapForGlyph(glyph, QRawFont::PixelAntialiasing);
    const bool alpha = coverage.format() == QImage::Format_Alpha8;
    QImage image(coverage.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < coverage.height(); ++y)
        for (int x = 0; x < coverage.width(); ++x) {
            const QRgb pixel = coverage.pixel(x, y);
            image.setPixel(x, y, qRgba(0, 0, 0, alpha ? qAlpha(pixel) : qGray(pixel)));
        }
    const QRectF box = font.boundingRect(glyph);
    return cache.emplace(key, GlyphImage{image, QPoint(qFloor(box.x()), qFloor(box.y()))})
        .first->second;
}

} // namespace

bool isLargeText(int pixelSize, qreal devicePixelRatio)
{
    return pixelSize * devicePixelRatio > LargestCachedByQt;
}

void drawLargeText(QPainter& painter, const QTextLayout& layout)
{
    const qreal ratio = painter.device()->devicePixelRatioF();
    painter.save();
    // Glyphs go to whole device pixels.
    const QTransform toDevice = paintInDevicePixels(painter);
    for (const QGlyphRun& run : layout.glyphRuns()) {
        QRawFont font = run.rawFont();
        font.setPixelSize(font.pixelSize() * ratio);
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const GlyphImage& glyph = glyphImage(font, glyphs[i]);
            painter.drawImage(devicePixel(toDevice, positions[i]) + glyph.offset, glyph.image);
        }
    }
    painter.restore();
}

} // namespace stopwise
