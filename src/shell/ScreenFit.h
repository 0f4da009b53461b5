// How the kiosk fills a screen of its own. What a visitor sees of the window is the screens'
// extent, 436 x 288 pixels: every screen but the arrivals, which reach 8 pixels further down,
// out of sight. On a screen of its own the extent is drawn at the largest scale at which it
// fits, near the middle, at a place where it looks exactly as it does drawn alone. Plain C++.
#pragma once

#include <algorithm>
#include <cmath>

namespace stopwise {

inline constexpr int ExtentWidth = 436;
inline constexpr int ExtentHeight = 288;

// The largest scale at which the extent fits a screen of `width` x `height` device pixels.
constexpr double FittingScale(int width, int height)
{
    return std::min(double(width) / ExtentWidth, double(height) / ExtentHeight);
}

// The scales the kiosk is drawn at. Below a quarter its smallest words are under three pixels
// tall, nothing a visitor can read, and text sizes round to nothing; above 16 (screens beyond
// 8K's 7680 x 4320, which is 15) its pictures, cached at that scale, would take gigabytes.
// A screen that reports no size gives 0, outside too.
constexpr bool UsableScale(double scale)
{
    return scale >= 0.25 && scale <= 16; // false for a scale that is not a number, too
}

// How far from the exact middle the extent may start, in device pixels: enough to reach a
// whole device pixel at every scale whose steps repeat within 25 device pixels (such as 2.5,
// 3.75, 8/3, 25/9 or 25/6), and under 1% of a 1280-pixel screen, which no visitor sees.
inline constexpr double MostOffCentre = 12.5;

// Where the extent starts along one side of a screen `room` logical pixels long, drawn at
// `scale` device pixels per logical pixel: a whole logical pixel (the only places Qt puts a
// widget) within MostOffCentre of the middle. Of those, the one that lands nearest to a whole
// device pixel, since there every picture rounds to the device's pixels as it does in the
// extent drawn alone; the nearest to the middle of equals, then the first. On a screen
// smaller than the extent, the extent's middle.
constexpr int ExtentOffset(int room, int extent, double scale)
{
    if (room < extent)
        return (room - extent) / 2;
    const int last = room - extent;
    const double middle = last / 2.0;
    const double reach = MostOffCentre / scale;
    const auto offWhole = [scale](int offset) {
        const double device = offset * scale;
        return std::abs(device - std::round(device));
    };
    constexpr double Hair = 1e-9; // products such as 38 x 7.5 count as the numbers they are
    const int from = std::max(0, int(std::ceil(middle - reach))),
              to = std::min(last, int(std::floor(middle + reach)));
    int best = from;
    for (int offset = from + 1; offset <= to; ++offset) {
        const double error = offWhole(offset), bestError = offWhole(best);
        if (error < bestError - Hair ||
            (error < bestError + Hair &&
             std::abs(offset - middle) < std::abs(best - middle) - Hair))
            best = offset;
    }
    return best;
}

} // namespace stopwise
