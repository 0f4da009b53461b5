// stopwise-photo-check PHOTO REFERENCE
// Checks a photo of a whole screen showing the full-screen kiosk: the reference image (the
// screens' extent at the screen's fitting scale) must sit centred in the photo, equal pixel
// for pixel, on a surround of one plain colour. Prints one line saying so, or the first
// thing that differs, and exits 1 on any difference (2 when an image cannot be read).
#include <QColor>
#include <QImage>
#include <QRect>

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

    const QRect extent(
        QPoint((photo.width() - reference.width()) / 2, (photo.height() - reference.height()) / 2),
        reference.size());
    int differing = 0;
    QPoint first;
    for (int y = 0; y < reference.height(); ++y)
        for (int x = 0; x < reference.width(); ++x)
            if (photo.pixel(extent.topLeft() + QPoint(x, y)) != reference.pixel(x, y) &&
                differing++ == 0)
                first = QPoint(x, y);
    if (differing > 0)
        return fail(
            QString(
                "%1 of %2 pixels of the %3x%4 extent at (%5,%6) differ, the first at (%7,%8): %9 "
                "instead of %10")
                .arg(differing)
                .arg(reference.width() * reference.height())
                .arg(reference.width())
                .arg(reference.height())
                .arg(extent.left())
                .arg(extent.top())
                .arg(first.x())
                .arg(first.y())
                .arg(colourName(photo.pixel(extent.topLeft() + first)))
                .arg(colourName(reference.pixel(first))));

    QString surround;
    if (!surroundIsPlain(photo, extent, surround))
        return fail(surround);
    std::printf("photo matches %s: the %dx%d extent centred at (%d,%d) to (%d,%d), equal pixel for "
                "pixel%s\n",
                argv[2], reference.width(), reference.height(), extent.left(), extent.top(),
                extent.right(), extent.bottom(), qPrintable(surround));
    return 0;
}
