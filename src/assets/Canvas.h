// An opaque surface for drawing one picture at one device pixel ratio. It works in device
// pixels: box() turns a logical box into device pixels with its edges on whole pixels, and
// hairline() gives outlines a whole number of pixels, so straight edges stay sharp at 1x,
// 1.5x and 2x instead of being a 1x drawing scaled up.
#pragma once

#include "assets/Looks.h"

#include <QImage>
#include <QPainter>

namespace stopwise {

class Canvas {
public:
    Canvas(QSize logicalSize, qreal devicePixelRatio, QColor ground);

    // The logical box (x, y, width, height) in device pixels: the whole pixels inside it.
    QRectF box(qreal x, qreal y, qreal width, qreal height) const;
    QRectF whole() const { return m_image.rect(); }
    // The width of a thin outline: one logical pixel, rounded to whole device pixels.
    qreal hairline() const;
    // The width of an outline `logical` pixels wide that others touch: the whole device pixels
    // that lie inside it wherever it falls. So it is as wide on every side, and never reaches
    // the partly covered last pixels of a picture that ends where it begins.
    qreal outline(qreal logical) const;
    qreal scaled(qreal logical) const { return logical * m_dpr; }

    void fill(const QRectF& area, QColor colour);
    // A rectangle filling `area` (whole device pixels) with an outline of `edgeWidth` inside
    // it and square corners.
    void framed(const QRectF& area, QColor face, QColor edge, qreal edgeWidth);
    // A shape with rounded corners of `radius` (device pixels) filling `area`, with an
    // outline of `edgeWidth` inside it.
    void rounded(const QRectF& area, qreal radius, QColor face, QColor edge, qreal edgeWidth);
    // A blurred shadow of the rounded shape `area`, `blur` device pixels wide at its edges, fading
    // out within the picture where its edge would cut it.
    void softShadow(const QRectF& area, qreal radius, qreal blur, QColor colour);
    // The typeface at a size of `pixels` logical pixels, for this surface.
    QFont font(Typeface typeface, int pixels) const;
    // One line of words centred in `area`: across on its advance, down on its capitals.
    void words(const QRectF& area, const QString& text, const QFont& font, QColor ink);
    // One line of words with its ink centred in `area` both ways.
    void wordsOnInk(const QRectF& area, const QString& text, const QFont& font, QColor ink);

    QImage finish(); // the picture in device pixels

private:
    // The words with their baseline starting at `baseline`.
    void write(QPointF baseline, const QString& text, const QFont& font, QColor ink);

    QImage m_image;
    QSizeF m_extent; // the picture's size in device pixels, its last ones partly covered
    QPainter m_painter;
    qreal m_dpr;
};

} // namespace stopwise
