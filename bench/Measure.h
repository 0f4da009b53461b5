// Shared by the benchmarks: the floor they are measured against (a bare Qt window of the
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

// Runs this program again with `arguments` and reads the one number it prints.
inline double measureInChild(const QStringList& arguments)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(60'000) || child.exitCode() != 0) {
        std::fprintf(stderr, "measurement %s failed\n", qPrintable(arguments.join(' ')));
        std::exit(1);
    }
    return child.readAllStandardOutput().trimmed().toDouble();
}

// In a child started by medianOfFreshRuns ("--once kiosk" or "--once floor"): prints the
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
    double floor;
};

// Measures the kiosk and the floor in `runs` fresh processes each, alternating so that the
// machine's drifts hit both alike.
inline Medians medianOfFreshRuns(int runs)
{
    std::vector<double> kiosk, floor;
    for (int run = 0; run < runs; ++run) {
        kiosk.push_back(measureInChild({"--once", "kiosk"}));
        floor.push_back(measureInChild({"--once", "floor"}));
    }
    return {median(kiosk), median(floor)};
}

} // namespace stopwise::bench
