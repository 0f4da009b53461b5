// Every device pixel of every screen painted on every frame, at every scale: at each scale the
// gallery tool walks the tour and repaints each screen whole over a window filled with magenta
// (--poisoned), and names each screen where magenta is left, with the first such pixel. Such a
// pixel keeps whatever the screen before drew there. The scales are those of the screens a stop
// may have, and a sweep from 1 to 8 with odd fractions among them.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestPainting : public QObject {
    Q_OBJECT
private slots:
    void everyPixelPainted_data();
    void everyPixelPainted();
};

void TestPainting::everyPixelPainted_data()
{
    QTest::addColumn<double>("scale");
    const auto row = [](const char* name, double scale) { QTest::newRow(name) << scale; };
    row("1, a desktop's", 1);
    row("11/15, 320x240", 11.0 / 15);
    row("54/23, 1024x768", 54.0 / 23);
    row("2.5, 1280x720", 2.5);
    row("25/9, 1280x800", 25.0 / 9);
    row("8/3, 1366x768", 8.0 / 3);
    row("270/109, 1080x1920", 270.0 / 109);
    row("3.75, 1920x1080", 3.75);
    row("1.875, 1920x1080 at an output scale of 2", 1.875);
    row("25/6, 1920x1200", 25.0 / 6);
    row("5, 2560x1440", 5);
    row("7.5, 3840x2160", 7.5);
    for (const double scale : {1.3, 1.7, 2.0, 2.2, 7.0 / 3, 3.1, 22.0 / 7, 4.4, 5.6, 6.3, 7.9})
        QTest::addRow("%.4g", scale) << scale;
}

void TestPainting::everyPixelPainted()
{
    QFETCH(double, scale);
    const QTemporaryDir out;
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tool.start(QStringLiteral(STOPWISE_GALLERY),
               {out.path(), QStringLiteral("--scale"), QString::number(scale, 'g', 17),
                QStringLiteral("--poisoned")});
    QVERIFY2(tool.waitForFinished(120'000) && tool.exitCode() == 0,
             "the gallery tool did not walk the tour");
    QStringList left = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n');
    left.removeIf([](const QString& line) { return !line.contains(QStringLiteral("unpainted")); });
    if (scale < 1 && QT_VERSION < QT_VERSION_CHECK(6, 8, 0))
        QEXPECT_FAIL("", "Qt 6.4 clips every widget's painting below a scale of 1", Abort);
    QVERIFY2(left.isEmpty(),
             qPrintable(
                 QStringLiteral("at scale %1:\n%2").arg(QString::number(scale), left.join(u'\n'))));
}

QTEST_GUILESS_MAIN(TestPainting)
#include "tst_painting.moc"
