// The kiosk program itself, started as its package's units start it, but offscreen: its
// window is shown with the welcome screen drawn (the stop's session fills a 1280 x 720 screen
// at 2.5 with the screens in its middle; a screen with no size it can be fitted to shows them
// at 1, and the journal says why), and closing the window ends the program with status 0. An
// onlooker plugin loaded into the program reports what it sees there and closes the window.
#include <QFile>
#include <QProcess>
#include <QTest>

class TestProgram : public QObject {
    Q_OBJECT
private slots:
    void showsTheWelcomeScreenAndEndsWhenClosed_data();
    void showsTheWelcomeScreenAndEndsWhenClosed();
};

void TestProgram::showsTheWelcomeScreenAndEndsWhenClosed_data()
{
    QTest::addColumn<QString>("unit");   // in packaging/
    QTest::addColumn<QString>("screen"); // the offscreen screen's make-up, in tests/
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QByteArray>("seen");
    QTest::addColumn<QByteArray>("said"); // the kiosk's own lines on stderr, for the journal
    QTest::newRow("a desktop's user service")
        << "stopwise.service"
        << ""
        << "01-welcome.png" << QByteArray("shown: Stopwise\ndrawn: 432x288 as the reference\n")
        << QByteArray();
    QTest::newRow("the stop's session on 1280 x 720")
        << "kiosk/stopwise-kiosk.service"
        << "screen-1280x720.json"
        << "01-welcome@2.5x.png"
        << QByteArray("shown: Stopwise, full screen\ndrawn: 1280x720 as the reference\n")
        << QByteArray();
    QTest::newRow("the stop's session on a screen with no size")
        << "kiosk/stopwise-kiosk.service"
        << "screen-0x0.json"
        << "01-welcome.png"
        << QByteArray("shown: Stopwise, full screen\ndrawn: 1x1 as the reference\n")
        << QByteArray("stopwise: the screen reports 0x0 device pixels, no size to fit the screens "
                      "to; they are drawn at scale 1\n");
    QTest::newRow("the stop's session on a screen too small to read")
        << "kiosk/stopwise-kiosk.service"
        << "screen-100x60.json"
        << "01-welcome.png"
        << QByteArray("shown: Stopwise, full screen\ndrawn: 100x60 as the reference\n")
        << QByteArray("stopwise: the screen reports 100x60 device pixels, no size to fit the "
                      "screens to; they are drawn at scale 1\n");
}

void TestProgram::showsTheWelcomeScreenAndEndsWhenClosed()
{
    QFETCH(QString, unit);
    QFETCH(QString, screen);
    QFETCH(QString, reference);
    QFETCH(QByteArray, seen);
    QFETCH(QByteArray, said);
    QFile service(QStringLiteral(STOPWISE_PACKAGING "/") + unit);
    QVERIFY(service.open(QIODevice::ReadOnly));
    QStringList command; // the kiosk's, also where a compositor starts it after "--"
    for (const QString& line : QString::fromUtf8(service.readAll()).split(u'\n'))
        if (line.startsWith(QStringLiteral("ExecStart=")))
            command = line.section(u'=', 1).section(QStringLiteral(" -- "), -1).split(u' ');
    QCOMPARE(command.value(0), QStringLiteral("/usr/bin/stopwise"));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       screen.isEmpty()
                           ? QStringLiteral("offscreen")
                           : QStringLiteral("offscreen:configfile=" STOPWISE_TESTS "/") + screen);
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(STOPWISE_PLUGINS));
    environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"),
                       QStringLiteral("stopwise-onlooker:" STOPWISE_SCREENS "/") + reference);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(STOPWISE_PROGRAM), command.mid(1));
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.readAllStandardOutput(), seen);
    QByteArray own; // Qt's warnings aside
    for (const QByteArray& line : program.readAllStandardError().split('\n'))
        if (line.startsWith("stopwise: "))
            own += line + '\n';
    QCOMPARE(own, said);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
