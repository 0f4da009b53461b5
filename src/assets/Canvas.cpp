#include "assets/Canvas.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace stopwise {
namespace {

QFont fontFor(Typeface typeface)
{
    QFont font;
    switch (typeface) {
    case Typeface::Typewriter:
        font.setFamilies({QStringLiteral("Nimbus Mono PS"), QStringLiteral("Courier New"),
                          QStringLiteral("FreeMono")});
        font.setStyleHint(QFont::TypeWriter);
        font.setWeight(QFont::Bold);
        break;
    case Typeface::Narrow:
        font.setFamilies({QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("Arial Narrow")});
        font.setStyleHint(QFont::SansSerif);
        font.setWeight(QFont::Bold);
        break;
    case Typeface::Sans:
        font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
        font.setStyleHint(QFont::SansSerif);
        break;
    }
    return font;
}

// Thins the mask to nothing within `fade` device pixels of the edges of a picture `extent`
// device pixels large, so that a shadow its edge would cut off fades to the ground instead.
void fadeAtEdges(QImage& mask, QSizeF extent, qreal fade)
{
    for (int y = 0; y < mask.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < mask.width(); ++x) {
            const qreal inside =
                std::min({x + 0.5, y + 0.5, extent.width() - x - 0.5, extent.height() - y - 0.5});
            if (inside < fade)
                row[x] = qRgba(0, 0, 0, qRound(qAlpha(row[x]) * std::max(0.0, inside / fade)));
        }
    }
}

} // namespace

// Whole device pixels up: a picture is opaque and its control draws nothing else, so at a
// ratio such as 3.75 the picture must cover the control's last, partly covered row too.
Canvas::Canvas(QSize logicalSize, qreal devicePixelRatio, QColor ground)
    : m_image(int(std::ceil(logicalSize.width() * devicePixelRatio)),
              int(std::ceil(logicalSize.height() * devicePixelRatio)), QImage::Format_RGB32)
    , m_extent(QSizeF(logicalSize) * devicePixelRatio)
    , m_dpr(devicePixelRatio)
{
    m_image.fill(ground);
    m_painter.begin(&m_image);
    m_painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
}

// The device pixels wholly inside the box. At a ratio such as 3.75 a picture's last device
// column is only partly its own and may fall outside its control; a box rounded outwards would
// lose its outline's last column there, and the outline would be thinner on that side.
QRectF Canvas::box(qreal x, qreal y, qreal width, qreal height) const
{
    // A hair's tolerance, so that a product such as 37 x 2.5 counts as the number it is.
    constexpr qreal Hair = 1e-9;
    const auto nearEdge = [this](qreal logical) { return std::ceil(logical * m_dpr - Hair); };
    const auto farEdge = [this](qreal logical) { return std::floor(logical * m_dpr + Hair); };
    const qreal left = nearEdge(x), top = nearEdge(y);
    return {left, top, farEdge(x + width) - left, farEdge(y + height) - top};
}

qreal Canvas::hairline() const
{
    return std::max(1.0, std::round(m_dpr));
}

qreal Canvas::outline(qreal logical) const
{
    // 7.5 device pixels hold 7 whole ones where they start on a pixel's edge, or its middle,
    // but 6 where they start a quarter into one.
    constexpr qreal Hair = 1e-9;
    const qreal device = logical * m_dpr, whole = std::round(device);
    return std::max(1.0, std::abs(device - whole) < Hair ? whole : std::floor(device) - 1);
}

void Canvas::fill(const QRectF& area, QColor colour)
{
    m_painter.fillRect(area, colour);
}

void Canvas::framed(const QRectF& area, QColor face, QColor edge, qreal edgeWidth)
{
    // Two fills rather than a stroke: a thin pen's corners come out faded, not square.
    fill(area, edge);
    fill(area.adjusted(edgeWidth, edgeWidth, -edgeWidth, -edgeWidth), face);
}

void Canvas::rounded(const QRectF& area, qreal radius, QColor face, QColor edge, qreal edgeWidth)
{
    // The pen is centred on its path: draw the path half a pen inside the area.
    const qreal half = edgeWidth / 2;
    m_painter.setPen(QPen(edge, edgeWidth));
    m_painter.setBrush(face);
    const qreal curve = std::max(0.0, radius - half);
    m_painter.drawRoundedRect(area.adjusted(half, half, -half, -half), curve, curve);
}

void Canvas::softShadow(const QRectF& area, qreal radius, qreal blur, QColor colour)
{
    // The fade is built as one mask of densities and the colour laid through it once, so each
    // shadow pixel is a mix of the colour and the ground and stays grey: colour laid in many
    // faint layers rounds each channel apart and drifts in hue.
    QImage shadow(m_image.size(), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    QPainter painter(&shadow);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Nested layers from outside in, each a little denser where more of them overlap.
    const int layers = std::max(2, int(std::ceil(blur * 2)));
    painter.setBrush(QColor::fromRgbF(0, 0, 0, 1 - std::pow(1 - colour.alphaF(), 1.0 / layers)));
    for (int layer = 0; layer < layers; ++layer) {
        const qreal grow = blur / 2 - blur * (layer + 0.5) / layers;
        painter.drawRoundedRect(area.adjusted(-grow, -grow, grow, grow), radius + grow,
                                radius + grow);
    }
    painter.end();
    fadeAtEdges(shadow, m_extent, blur / 2);
    painter.begin(&shadow);
    // Colour the mask, keeping its densities.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    colour.setAlpha(255);
    painter.fillRect(shadow.rect(), colour);
    painter.end();
    m_painter.drawImage(0, 0, shadow);
}

QFont Canvas::font(Typeface typeface, int pixels) const
{
    QFont font = fontFor(typeface);
    font.setPixelSize(int(std::round(pixels * m_dpr)));
    return font;
}

void Canvas::words(const QRectF& area, const QString& text, const QFont& font, QColor ink)
{
    const QFontMetricsF metrics(font);
    // Centre the capitals: they set the height a reader sees, whatever the descenders do.
    const qreal x = std::round(area.center().x() - metrics.horizontalAdvance(text) / 2);
    const qreal baseline = std::round(area.center().y() + metrics.capHeight() / 2);
    write(QPointF(x, baseline), text, font, ink);
}

void Canvas::wordsOnInk(const QRectF& area, const QString& text, const QFont& font, QColor ink)
{
    // A word's advance and capitals say little of where its small letters lie.
    const QPointF origin = area.center() - QFontMetricsF(font).tightBoundingRect(text).center();
    write(QPointF(std::round(origin.x()), std::round(origin.y())), text, font, ink);
}

void Canvas::write(QPointF baseline, const QString& text, const QFont& font, QColor ink)
{
    m_painter.setFont(font);
    m_painter.setPen(ink);
    m_painter.drawText(baseline, text);
}

QImage Canvas::finish()
{
    m_painter.end();
    return std::move(m_image);
}

} // namespace stopwise
