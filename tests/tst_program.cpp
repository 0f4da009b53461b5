// The kiosk program itself, started as its package's units start it, but offscreen: its
// window is shown with the welcome screen drawn (the stop's session fills a 1280 x 720 screen
// at 2.5 with the screens in its middle), and closing the window ends the program with status
// 0. An onlooker plugin loaded into the program reports what it sees there and closes the
// window.
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
    QTest::newRow("a desktop's user service")
        << "stopwise.service"
        << ""
        << "01-welcome.png" << QByteArray("shown: Stopwise\ndrawn: 432x288 as the reference\n");
    QTest::newRow("the stop's session on 1280 x 720")
        << "kiosk/stopwise-kiosk.service"
        << "screen-1280x720.json"
        << "01-welcome@2.5x.png"
        << QByteArray("shown: Stopwise, full screen\ndrawn: 1280x720 as the reference\n");
}

void TestProgram::showsTheWelcomeScreenAndEndsWhenClosed()
{
    QFETCH(QString, unit);
    QFETCH(QString, screen);
    QFETCH(QString, reference);
    QFETCH(QByteArray, seen);
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
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(STOPWISE_PROGRAM), command.mid(1));
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.readAllStandardOutput(), seen);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
