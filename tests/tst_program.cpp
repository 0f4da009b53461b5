// The kiosk program itself, started as its package's units start it, but offscreen, with a
// stand-in for systemd's notify socket: its window is shown and drawn (the stop's session fills
// a 1280 x 720 screen; a screen with no size it can be fitted to shows the screens at 1, and the
// journal says why), started again at its scale it keeps its process name, it reports ready
// and, with a watchdog, alive, and closing its window or SIGTERM ends it with status 0. An
// onlooker plugin loaded into the program reports what it sees there and ends it.
#include <QFile>
#include <QProcess>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class TestProgram : public QObject {
    Q_OBJECT
private slots:
    void asItsUnitsStartIt_data();
    void asItsUnitsStartIt();
};

namespace {

// The kiosk's command in `unit` (in packaging/), also where a compositor starts it after "--".
QStringList commandOf(const QString& unit)
{
    QFile service(QStringLiteral(STOPWISE_PACKAGING "/") + unit);
    if (!service.open(QIODevice::ReadOnly))
        return {};
    for (const QString& line : QString::fromUtf8(service.readAll()).split(u'\n'))
        if (line.startsWith(QStringLiteral("ExecStart=")))
            return line.section(u'=', 1).section(QStringLiteral(" -- "), -1).split(u' ');
    return {};
}

// The program offscreen, on the screen made up in tests/`screen` where one is named.
QProcessEnvironment offscreen(const QString& screen)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_SCALE_FACTOR", "NOTIFY_SOCKET", "WATCHDOG_USEC"})
        environment.remove(QString::fromLatin1(name)); // none of this machine's
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       screen.isEmpty()
                           ? QStringLiteral("offscreen")
                           : QStringLiteral("offscreen:configfile=" STOPWISE_TESTS "/") + screen);
    return environment;
}

// A stand-in for systemd's notify socket: a datagram socket that keeps what it is told, one
// line per report, a report repeated at once kept once.
class NotifySocket {
public:
    explicit NotifySocket(const QString& path)
        : m_fd(socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0))
    {
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, path.toLocal8Bit().constData(), sizeof address.sun_path);
        bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        m_reading.emplace(m_fd, QSocketNotifier::Read);
        QObject::connect(&*m_reading, &QSocketNotifier::activated, [this] { read(); });
    }
    ~NotifySocket() { close(m_fd); }

    QStringList heard()
    {
        read(); // what came while the test waited
        return m_heard;
    }

private:
    void read()
    {
        char report[256];
        for (ssize_t size; (size = recv(m_fd, report, sizeof report, 0)) > 0;) {
            const QString said = QString::fromUtf8(report, size).trimmed();
            if (m_heard.isEmpty() || m_heard.last() != said)
                m_heard << said;
        }
    }

    int m_fd;
    std::optional<QSocketNotifier> m_reading;
    QStringList m_heard;
};

} // namespace

void TestProgram::asItsUnitsStartIt_data()
{
    QTest::addColumn<QString>("unit");        // in packaging/
    QTest::addColumn<QString>("screen");      // the offscreen screen's make-up, in tests/
    QTest::addColumn<QByteArray>("watchdog"); // WATCHDOG_USEC; empty: no watchdog
    QTest::addColumn<QString>("ending");      // how the onlooker ends it: close or terminate
    QTest::addColumn<QByteArray>("seen");
    QTest::addColumn<QByteArray>("said"); // the kiosk's own lines on stderr, for the journal
    QTest::addColumn<QStringList>("reports");
    const QStringList ready = {QStringLiteral("READY=1")},
                      alive = {QStringLiteral("READY=1"), QStringLiteral("WATCHDOG=1")};
    // The window is 436 x 311 with its frame, which on the offscreen platform is 2 pixels wide.
    QTest::newRow("a desktop's user service, closed")
        << "stopwise.service"
        << "" << QByteArray() << "close"
        << QByteArray("shown: Stopwise\ndrawn: 432x307 device pixels at 1\nname: stopwise\n")
        << QByteArray() << ready;
    QTest::newRow("the stop's session on 1280 x 720, watched and stopped")
        << "kiosk/stopwise-kiosk.service"
        << "screen-1280x720.json" << QByteArray("40000") << "terminate"
        << QByteArray("shown: Stopwise, full screen\ndrawn: 1280x720 device pixels at 2.5\n"
                      "name: stopwise\n")
        << QByteArray() << alive;
    QTest::newRow("the stop's session on a screen with no size")
        << "kiosk/stopwise-kiosk.service"
        << "screen-0x0.json" << QByteArray() << "close"
        << QByteArray(
               "shown: Stopwise, full screen\ndrawn: 1x1 device pixels at 1\nname: stopwise\n")
        << QByteArray("stopwise: the screen reports 0x0 device pixels, no size to fit the screens "
                      "to; they are drawn at scale 1\n")
        << ready;
}

void TestProgram::asItsUnitsStartIt()
{
    QFETCH(QString, unit);
    QFETCH(QString, screen);
    QFETCH(QByteArray, watchdog);
    QFETCH(QString, ending);
    QFETCH(QByteArray, seen);
    QFETCH(QByteArray, said);
    QFETCH(QStringList, reports);
    const QStringList command = commandOf(unit);
    QCOMPARE(command.value(0), QStringLiteral("/usr/bin/stopwise"));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("notify"));
    NotifySocket manager(path);

    QProcessEnvironment environment = offscreen(screen);
    environment.insert(QStringLiteral("NOTIFY_SOCKET"), path);
    if (!watchdog.isEmpty())
        environment.insert(QStringLiteral("WATCHDOG_USEC"), QString::fromLatin1(watchdog));
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(STOPWISE_PLUGINS));
    environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"),
                       QStringLiteral("stopwise-onlooker:") + ending);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(STOPWISE_PROGRAM), command.mid(1));
    // Not waitForFinished: the stand-in must read the reports as systemd does, or a watchdog's
    // fill its queue and block the program.
    QTRY_VERIFY_WITH_TIMEOUT(program.state() == QProcess::NotRunning, 30000);
    QCOMPARE(program.readAllStandardOutput(), seen);
    QByteArray own; // Qt's warnings aside
    for (const QByteArray& line : program.readAllStandardError().split('\n'))
        if (line.startsWith("stopwise: "))
            own += line + '\n';
    QCOMPARE(own, said);
    QCOMPARE(manager.heard(), reports);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
