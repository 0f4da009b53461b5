// stopwise-photo-check PHOTO REFERENCE
// Checks a photo of a whole screen showing the full-screen kiosk: the reference image (the
// screens' extent at the scale the kiosk chose) must sit in the photo within 12 device pixels
// of its middle (the kiosk moves it off the middle to a place on whole device pixels), equal
// pixel for pixel, on a surround of one plain colour. Prints one line saying so, or the first
// thing that differs at the middle, and exits 1 on any difference (2 when an image cannot be
// read).
#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

QString colourName(QRgb pixel)
{
    return QColor(pixel).name();
}

// Every pixel of the photo outside the extent has the colour of the first one; names it, or
// the first that differs.
bool surroundIsPlain(const QImage& photo, const QRect& extent, QString& said)
{
    std::optional<QRgb> surround;
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x) {
            if (extent.contains(x, y))
                continue;
            if (!surround)
                surround = photo.pixel(x, y);
            if (photo.pixel(x, y) != *surround) {
                said = QString("the surround is not plain: %1 at (%2,%3), %4 elsewhere")
                           .arg(colourName(photo.pixel(x, y)))
                           .arg(x)
                           .arg(y)
                           .arg(colourName(*surround));
                return false;
            }
        }
    said = surround ? ", on a plain " + colourName(*surround) + " surround" : QString();
    return true;
}

// The pixels of `reference` that differ from `photo` with the reference's corner at `at`,
// counting no further than `enough`, and the first of them.
int differences(const QImage& photo, const QImage& reference, QPoint at, int enough, QPoint& first)
{
    int differing = 0;
    for (int y = 0; y < reference.height(); ++y)
        for (int x = 0; x < reference.width(); ++x)
            if (photo.pixel(at + QPoint(x, y)) != reference.pixel(x, y)) {
                if (differing++ == 0)
                    first = QPoint(x, y);
                if (differing == enough)
                    return differing;
            }
    return differing;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fputs("usage: stopwise-photo-check PHOTO REFERENCE\n", stderr);
        return 2;
    }
    // Alpha plays no part on a screen: both are compared as opaque RGB.
    const QImage photo =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QImage reference =
        QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (photo.isNull() || reference.isNull()) {
        std::fprintf(stderr, "stopwise-photo-check: cannot read %s\n",
                     photo.isNull() ? argv[1] : argv[2]);
        return 2;
    }
    const auto fail = [&](const QString& why) {
        std::printf("photo DIFFERS from %s: %s\n", argv[2], qPrintable(why));
        return 1;
    };
    if (photo.width() < reference.width() || photo.height() < reference.height())
        return fail(QString("the photo (%1x%2) is smaller than the reference (%3x%4)")
                        .arg(photo.width())
                        .arg(photo.height())
                        .arg(reference.width())
                        .arg(reference.height()));

    // The corner of the extent with the photo's middle, and the places within reach of it,
    // nearest first; the first where every pixel is equal.
    const QPoint middle((photo.width() - reference.width()) / 2,
                        (photo.height() - reference.height()) / 2);
    constexpr int Reach = 12;
    QList<QPoint> places;
    for (int dy = -Reach; dy <= Reach; ++dy)
        for (int dx = -Reach; dx <= Reach; ++dx) {
            const QRect at(middle + QPoint(dx, dy), reference.size());
            if (QRect(QPoint(), photo.size()).contains(at))
                places << at.topLeft();
        }
    std::ranges::stable_sort(places, {},
                             [&](QPoint at) { return (at - middle).manhattanLength(); });
    QPoint first;
    const auto found = std::ranges::find_if(
        places, [&](QPoint at) { return differences(photo, reference, at, 1, first) == 0; });
    if (found == places.end()) {
        const int differing =
            differences(photo, reference, middle, reference.width() * reference.height(), first);
        return fail(
            QString("nowhere within %1 pixels of the middle; there %2 of %3 pixels of the %4x%5 "
                    "extent at (%6,%7) differ, the first at (%8,%9): %10 instead of %11")
                .arg(Reach)
                .arg(differing)
                .arg(reference.width() * reference.height())
                .arg(reference.width())
                .arg(reference.height())
                .arg(middle.x())
                .arg(middle.y())
                .arg(first.x())
                .arg(first.y())
                .arg(colourName(photo.pixel(middle + first)))
                .arg(colourName(reference.pixel(first))));
    }
    const QRect extent(*found, reference.size());

    QString surround;
    if (!surroundIsPlain(photo, extent, surround))
        return fail(surround);
    std::printf("photo matches %s: the %dx%d extent at (%d,%d) to (%d,%d), %+d,%+d from the "
                "middle, equal pixel for pixel%s\n",
                argv[2], reference.width(), reference.height(), extent.left(), extent.top(),
                extent.right(), extent.bottom(), extent.left() - middle.x(),
                extent.top() - middle.y(), qPrintable(surround));
    return 0;
}
