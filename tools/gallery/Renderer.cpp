#include "Renderer.h"

#include "assets/Canvas.h"
#include "toolkit/Label.h"

#include <QCryptographicHash>
#include <QPainterPath>
#include <QRawFont>
#include <QtEndian>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace stopwise::testing {
namespace {

QString freeTypeVersion()
{
    FT_Library library;
    if (FT_Init_FreeType(&library) != 0)
        return QStringLiteral("unavailable");
    FT_Int major = 0, minor = 0, patch = 0;
    FT_Library_Version(library, &major, &minor, &patch);
    FT_Done_FreeType(library);
    return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(patch);
}

// Name 5 of the font file's "name" table, its version string, in the Windows (UTF-16)
// record if there is one, else the Macintosh (Latin-1) one.
QString fileVersion(const QByteArray& names)
{
    const auto word = [&](qsizetype at) {
        return at + 2 <= names.size() ? qFromBigEndian<quint16>(names.constData() + at) : 0;
    };
    const int count = word(2), strings = word(4);
    QString version;
    for (int record = 0; record < count; ++record) {
        const qsizetype at = 6 + 12 * record;
        const int platform = word(at), nameId = word(at + 6), length = word(at + 8);
        const qsizetype start = strings + word(at + 10);
        if (nameId != 5 || start + length > names.size())
            continue;
        const QByteArray bytes = names.mid(start, length);
        if (platform == 3) {
            QString wide(length / 2, QChar());
            for (int i = 0; i < length / 2; ++i)
                wide[i] = QChar(qFromBigEndian<quint16>(bytes.constData() + 2 * i));
            return wide;
        }
        if (platform == 1)
            version = QString::fromLatin1(bytes);
    }
    return version.isEmpty() ? QStringLiteral("no version") : version;
}

// A digest of the outlines of the letters and digits: a Type 1 file has no version
// string, and a rebuilt file may keep its old one.
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

// The face `font` resolves to here, its file's version and its outlines.
QString face(const QFont& font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    return QStringLiteral("%1 %2, %3, outlines %4")
        .arg(raw.familyName(), raw.styleName(), fileVersion(raw.fontTable("name")), outlines(raw));
}

} // namespace

QString describeRenderer(const QWidget& window)
{
    const Canvas canvas({1, 1}, 1, Qt::white);
    return QStringLiteral("Qt: %1\nFreeType: %2\nlabels: %3\nwords on keys: %4\n"
                          "signs on keys: %5\nwords on buttons: %6\n")
        .arg(QString::fromLatin1(qVersion()), freeTypeVersion(),
             face(window.findChild<const Label*>()->font()),
             face(canvas.font(Typeface::Narrow, 12)), face(canvas.font(Typeface::Typewriter, 12)),
             face(canvas.font(Typeface::Sans, 12)));
}

} // namespace stopwise::testing
