#include "Renderer.h"

#include "assets/Canvas.h"
#include "toolkit/Label.h"

#include <QCryptographicHash>
#include <QPainterPath>
#include <QRawFont>

namespace stopwise::testing {
namespace {

// A digest of the outlines of the letters and digits, which say more of a face than its
// file's version: a Type 1 file has none, and a rebuilt file may keep its old one.
QString outlines(const QRawFont& raw)
{
    QByteArray points;
    const QString sample =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    for (const quint32 glyph : raw.glyphIndexesForString(sample)) {
        const QPainterPath path = raw.pathForGlyph(glyph);
        for (int i = 0; i < path.elementCount(); ++i)
            points += QByteArray::number(path.elementAt(i).x) + ',' +
                      QByteArray::number(path.elementAt(i).y) + ';';
    }
    return QString::fromLatin1(
        QCryptographicHash::hash(points, QCryptographicHash::Sha256).toHex().left(12));
}

// The face `font` resolves to here, and its outlines.
QString face(const QFont& font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    return QStringLiteral("%1 %2, outlines %3")
        .arg(raw.familyName(), raw.styleName(), outlines(raw));
}

} // namespace

QString describeRenderer(const QWidget& window)
{
    const Canvas canvas({1, 1}, 1, Qt::white);
    return QStringLiteral("Qt: %1\nlabels: %2\nwords on keys: %3\n"
                          "signs on keys: %4\nwords on buttons: %5\n")
        .arg(QString::fromLatin1(qVersion()), face(window.findChild<const Label*>()->font()),
             face(canvas.font(Typeface::Narrow, 12)), face(canvas.font(Typeface::Typewriter, 12)),
             face(canvas.font(Typeface::Sans, 12)));
}

} // namespace stopwise::testing
