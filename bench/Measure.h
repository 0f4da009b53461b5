// Shared by the benchmarks: the baseline they are measured against (a bare Qt window of the
// kiosk's size painting one line of Arial), fresh processes for cold measurements, and
// the arithmetic of the figures they print.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QPainter>
#include <QProcess>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace stopwise::bench {

// The least a Qt Widgets program of the kiosk's size must do to show some text.
class BareWindow : public QWidget {
public:
    BareWindow() { setFixedSize(436, 311); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(24);
        painter.setFont(font);
        painter.drawText(40, 64, QStringLiteral("Welcome to the"));
    }
};

// The scales the figures are taken at: the window as a desktop shows it, and a screen of its
// own of 1280 x 720, 1920 x 1080 and 3840 x 2160 pixels.
inline constexpr double Scales[] = {1, 2.5, 3.75, 7.5};

// Headless unless a display is named.
inline void useOffscreenByDefault()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Shows the window and returns once its first frame has been painted.
inline void showFirstFrame(QWidget& window)
{
    window.show();
    while (!window.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

inline double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[std::size_t(fraction * double(values.size() - 1))];
}

// Runs this program again with `arguments`, its screens drawn at `scale` (QT_SCALE_FACTOR, as
// the kiosk sets it on a screen of its own), and reads the numbers it prints.
inline QList<double> measureInChild(const QStringList& arguments, double scale = 1)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::number(scale));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(300'000) || child.exitCode() != 0) {
        std::fprintf(stderr, "measurement %s at %g failed\n", qPrintable(arguments.join(' ')),
                     scale);
        std::exit(1);
    }
    QList<double> numbers;
    for (const QByteArray& word : child.readAllStandardOutput().simplified().split(' '))
        numbers << word.toDouble();
    return numbers;
}

// In a child started by medianOfFreshRuns ("--once kiosk" or "--once baseline"): prints the
// one measurement asked for and says so.
template <typename Measure> bool measuredOnceIfAsked(const QStringList& arguments, Measure measure)
{
    if (arguments.value(1) != QLatin1StringView("--once"))
        return false;
    std::printf("%.4f\n", double(measure(arguments.value(2))));
    return true;
}

struct Medians {
    double kiosk;
    double baseline;
};

// Measures the kiosk and the baseline in `runs` fresh processes each at `scale`, alternating so
// that the machine's drifts hit both alike.
inline Medians medianOfFreshRuns(int runs, double scale = 1)
{
    std::vector<double> kiosk, baseline;
    for (int run = 0; run < runs; ++run) {
        kiosk.push_back(measureInChild({"--once", "kiosk"}, scale).value(0));
        baseline.push_back(measureInChild({"--once", "baseline"}, scale).value(0));
    }
    return {median(kiosk), median(baseline)};
}

// A figure taken of the kiosk and of the baseline alike, in fresh processes.
struct AgainstBaseline {
    const char* figure; // "start-up to first frame"
    const char* kiosk;  // what the kiosk does before it is measured
    const char* unit;   // of the figure
    int decimals;       // printed
    const char* runs;   // by default
    double goalAtOne;   // the largest ratio to the baseline that meets the goal at scale 1
};

// The main of a benchmark that sets the kiosk against the baseline: in a child, the one
// measurement `measure` takes; otherwise the medians of both, and their ratio, at 1 and 7.5.
template <typename Measure>
int compareWithBaseline(int argc, char* argv[], const AgainstBaseline& taken, Measure measure)
{
    useOffscreenByDefault();
    QApplication app(argc, argv);
    if (measuredOnceIfAsked(app.arguments(), measure))
        return 0;
    const int runs = app.arguments().value(1, QString::fromLatin1(taken.runs)).toInt();
    std::printf("%s, median of %d fresh processes (%s)\n", taken.figure, runs,
                qPrintable(QGuiApplication::platformName()));
    for (double scale : {1.0, 7.5}) {
        const auto [kiosk, baseline] = medianOfFreshRuns(runs, scale);
        std::printf(" at scale %g\n", scale);
        std::printf("  %-22s %10.*f %s\n", taken.kiosk, taken.decimals, kiosk, taken.unit);
        std::printf("  %-22s %10.*f %s\n", "bare window", taken.decimals, baseline, taken.unit);
        std::printf("  %-22s %10.2f (goal at 1: at most %.2f)\n", "ratio", kiosk / baseline,
                    taken.goalAtOne);
    }
    return 0;
}

} // namespace stopwise::bench
