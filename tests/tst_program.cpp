// The kiosk program itself, started as its package's service starts it, but offscreen: its
// window is shown with the welcome screen drawn, and closing the window ends the program
// with status 0. An onlooker plugin loaded into the program reports what it sees there and
// closes the window.
#include <QFile>
#include <QProcess>
#include <QTest>

class TestProgram : public QObject {
    Q_OBJECT
private slots:
    void showsTheWelcomeScreenAndEndsWhenClosed();
};

void TestProgram::showsTheWelcomeScreenAndEndsWhenClosed()
{
    QFile service(QStringLiteral(STOPWISE_SERVICE));
    QVERIFY(service.open(QIODevice::ReadOnly));
    QStringList command;
    for (const QString& line : QString::fromUtf8(service.readAll()).split(u'\n'))
        if (line.startsWith(QStringLiteral("ExecStart=")))
            command = line.section(u'=', 1).split(u' ', Qt::SkipEmptyParts);
    QCOMPARE(command.value(0), QStringLiteral("/usr/bin/stopwise"));

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(STOPWISE_PLUGINS));
    environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"),
                       QStringLiteral("stopwise-onlooker:" STOPWISE_SCREENS "/01-welcome.png"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(STOPWISE_PROGRAM), command.mid(1));
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.readAllStandardOutput(),
             QByteArray("shown: Stopwise\ndrawn: 432x288 as the reference\n"));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
