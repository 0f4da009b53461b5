// Every screen of the tour, as the window draws it at this run's scale (QT_SCALE_FACTOR),
// compared pixel for pixel with its reviewed image in docs/screens/. Sizes, colours, fonts,
// places, grounds, edges and pictures are all guarded here. A screen that differs is written
// into screens-differ/ in the build folder, and named. What a screen
// reader is offered on each screen is compared with its reviewed read-out. Only the pictures and
// the read-out decide: when one differs, a renderer other than the one the images were made
// with (Qt, the faces the fonts resolve to) is named first, as the likely cause.
#include "Readout.h"
#include "Renderer.h"
#include "Tour.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace stopwise::testing;

namespace {

QImage plain(QImage image)
{
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

// What this machine renders `window` with that the reviewed images were not made with, one
// "what: version" after another; empty when it is the same.
QString rendererChange(const QDir& references, const QWidget& window)
{
    QFile recorded(references.filePath(QString::fromLatin1(RendererFile)));
    const QStringList made =
        QString::fromUtf8(recorded.open(QIODevice::ReadOnly) ? recorded.readAll() : QByteArray())
            .split(u'\n');
    QStringList changed = describeRenderer(window).split(u'\n', Qt::SkipEmptyParts);
    changed.removeIf([&](const QString& line) { return made.contains(line); });
    return changed.join(QStringLiteral("; "));
}

} // namespace

class TestScreens : public QObject {
    Q_OBJECT
private slots:
    void everyScreenAsReviewed();
};

void TestScreens::everyScreenAsReviewed()
{
    Kiosk kiosk(Form::Extent);
    const qreal scale = kiosk.window().devicePixelRatioF();
    const QDir references(QStringLiteral(STOPWISE_SCREENS)),
        differ(QStringLiteral("screens-differ"));
    QDir(differ).removeRecursively(); // what an earlier run left
    QStringList differing;
    QString readout; // what a screen reader is offered, screen by screen
    const QString astray = walkTour(kiosk, [&](const Sight& sight) {
        readout += readOut(sight.name, kiosk.window());
        const QString name = imageName(sight, scale);
        const QImage rendered = plain(photograph(kiosk.top()));
        const QImage reference = plain(QImage(references.filePath(name)));
        if (rendered == reference)
            return;
        QDir().mkpath(differ.path());
        rendered.save(differ.filePath(name));
        differing << name;
    });
    QStringList failures;
    if (!differing.isEmpty())
        failures << QStringLiteral("differ from docs/screens (see %1): %2")
                        .arg(QDir(differ).absolutePath(), differing.join(u' '));
    QFile heard(references.filePath(QString::fromLatin1(ReadoutFile)));
    if (!heard.open(QIODevice::ReadOnly) || QString::fromUtf8(heard.readAll()) != readout)
        failures << QStringLiteral("what a screen reader is offered differs from %1:\n%2")
                        .arg(heard.fileName(), readout);
    // When something differs: first, in one line, what this machine renders with that the
    // images were not made with. A new renderer that draws the same pixels is no failure.
    if (const QString change = rendererChange(references, kiosk.window());
        !failures.isEmpty() && !change.isEmpty())
        failures.prepend(QStringLiteral("likely cause: the renderer is not the one the images "
                                        "were made with (now %1); if the pictures are right, "
                                        "review and rewrite them with scripts/screens --update, "
                                        "then git status docs/screens")
                             .arg(change));
    QVERIFY2(astray.isEmpty(), qPrintable(QStringLiteral("the tour cannot reach ") + astray));
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
}

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
