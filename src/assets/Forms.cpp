#include "assets/Forms.h"

#include "assets/Artwork.h"
#include "assets/Canvas.h"
#include "assets/Looks.h"

#include <algorithm>
#include <cmath>

namespace stopwise {
namespace {

constexpr qreal KeyCorner = 6; // the radius of a key's corners
constexpr qreal SoftBlur = 3;  // how wide the edge of a soft shadow fades
constexpr qreal CardEdge = 2;  // the width of the card's outline

QColor rgb(std::uint32_t value)
{
    return QColor::fromRgb(value);
}

// The form's outline box: the picture less a one-pixel margin and the room its shadow takes.
QRectF formBox(Canvas& canvas, const Asset& asset, const Look& look, qreal margin)
{
    return canvas.box(margin, margin, asset.width - 2 * margin - look.shadowDepth,
                      asset.height - 2 * margin - look.shadowDepth);
}

void softShadowUnder(Canvas& canvas, const QRectF& form, qreal radius, const Look& look)
{
    const qreal depth = canvas.scaled(look.shadowDepth);
    QColor shadow = rgb(colour::SoftShadow);
    shadow.setAlphaF(colour::SoftShadowAlpha);
    canvas.softShadow(form.translated(depth, depth), radius, canvas.scaled(SoftBlur), shadow);
}

// A square key with curved corners, carrying a one-letter sign or a word.
void drawKey(Canvas& canvas, const Asset& asset, const Look& look)
{
    const QRectF key = formBox(canvas, asset, look, 1);
    const qreal radius = canvas.scaled(KeyCorner);
    softShadowUnder(canvas, key, radius, look);
    canvas.rounded(key, radius, rgb(look.face), rgb(look.edge), canvas.hairline());
    const QString text = wordsOf(asset);
    if (text.size() == 1)
        canvas.words(key, text, canvas.font(Typeface::Typewriter, look.signPixels), rgb(look.ink));
    else // centred on its ink: small letters say little of where a word's middle lies
        canvas.wordsOnInk(key, text, canvas.font(look.typeface, look.wordPixels), rgb(look.ink));
}

// A rectangle on a solid dark shadow of the same size set down and to the right.
void drawBox(Canvas& canvas, const Asset& asset, const Look& look)
{
    const QRectF box = formBox(canvas, asset, look, 0);
    const int depth = look.shadowDepth;
    canvas.fill(canvas.box(depth, depth, asset.width - depth, asset.height - depth),
                rgb(colour::ShadowGrey));
    canvas.framed(box, rgb(look.face), rgb(look.edge), canvas.hairline());
    canvas.words(box, wordsOf(asset), canvas.font(look.typeface, look.wordPixels), rgb(look.ink));
}

// A rectangle with half-round ends.
void drawPill(Canvas& canvas, const Asset& asset, const Look& look)
{
    const QRectF pill = formBox(canvas, asset, look, 1);
    const qreal radius = pill.height() / 2;
    canvas.rounded(pill, radius, rgb(look.face), rgb(look.edge), canvas.hairline());
    canvas.words(pill, wordsOf(asset), canvas.font(look.typeface, look.wordPixels), rgb(look.ink));
}

// A circle as wide as the picture allows, with its shadow.
void drawDisc(Canvas& canvas, const Asset& asset, const Look& look)
{
    const QRectF room = formBox(canvas, asset, look, 1);
    const qreal side = std::min(room.width(), room.height());
    const QRectF disc(room.topLeft(), QSizeF(side, side));
    softShadowUnder(canvas, disc, side / 2, look);
    canvas.rounded(disc, side / 2, rgb(look.face), rgb(look.edge), canvas.hairline());
}

// The grey card: a two-pixel outline inside a one-pixel white band at top and bottom.
void drawCard(Canvas& canvas, const Asset& asset, const Look& look)
{
    const QRectF card = canvas.box(0, 1, asset.width, asset.height - 2);
    canvas.framed(card, rgb(look.face), rgb(look.edge), canvas.outline(CardEdge));
}

} // namespace

QImage drawPicture(const Asset& asset, qreal devicePixelRatio)
{
    const Look& look = lookOf(asset.art);
    Canvas canvas(QSize(asset.width, asset.height), devicePixelRatio, rgb(look.ground));
    switch (look.form) {
    case Form::Key: drawKey(canvas, asset, look); break;
    case Form::Box: drawBox(canvas, asset, look); break;
    case Form::Pill: drawPill(canvas, asset, look); break;
    case Form::Disc: drawDisc(canvas, asset, look); break;
    case Form::Card: drawCard(canvas, asset, look); break;
    }
    return canvas.finish();
}

} // namespace stopwise
