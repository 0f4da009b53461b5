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

inline constexpr double Hair = 1e-9; // products such as 38 x 7.5 count as the numbers they are

// How far `offset` logical pixels land from a whole device pixel at `scale`.
constexpr double OffWhole(int offset, double scale)
{
    const double device = offset * scale;
    return std::abs(device - std::round(device));
}

// Where the extent starts along one side of a screen `room` logical pixels long, drawn at
// `scale` device pixels per logical pixel, of which Qt applies `own` itself (QT_SCALE_FACTOR)
// and the window system the rest (a Wayland output's scale of 2): a whole logical pixel (the
// only places Qt puts a widget) within MostOffCentre of the middle. Of those, the one that
// lands nearest to a whole device pixel, since there every picture rounds to the device's
// pixels as it does in the extent drawn alone, and to a whole pixel of the window system,
// since Qt hands it what it paints rounded to those, and a place between two leaves a line
// of device pixels unpainted; the nearest to the middle of equals, then the first. On a
// screen smaller than the extent, the extent's middle.
constexpr int ExtentOffset(int room, int extent, double scale, double own)
{
    if (room < extent)
        return (room - extent) / 2;
    const int last = room - extent;
    const double middle = last / 2.0;
    const double reach = MostOffCentre / scale;
    const auto offWhole = [scale, own](int offset) {
        return OffWhole(offset, scale) + OffWhole(offset, own);
    };
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

// The scale the kiosk is drawn at on a screen of `width` x `height` device pixels: the
// fitting scale, if at that scale some place near the middle of the side with room to spare
// lands on a whole device pixel (see ExtentOffset). Where none does, as at 256/109 on
// 1024 x 768, a little less: a place `offset` logical pixels in that lands on device pixel D
// at scale D / offset. Of those within MostOffCentre of the middle, the largest scale, so the
// extent keeps nearly all of the screen it fits, and every picture the pixels it has alone.
// Only places near the edge are settled so: farther in, as 239 pixels down a 1080 x 1920
// screen, the scale Qt draws with, kept to 65536ths, moves pictures by more than the settled
// scale mends, and the nearest place at the fitting scale was found to draw exactly as alone.
inline constexpr int SettledReach = 64; // logical pixels
inline double SettledScale(int width, int height)
{
    const double fit = FittingScale(width, height);
    if (!UsableScale(fit))
        return fit;
    // Along the side with room to spare, the screen's and the extent's lengths.
    const bool wide = width * ExtentHeight > height * ExtentWidth;
    const int screen = wide ? width : height, extent = wide ? ExtentWidth : ExtentHeight;
    const int room = int(std::lround(screen / fit));
    if (OffWhole(ExtentOffset(room, extent, fit, fit), fit) < Hair)
        return fit;
    double best = fit;
    for (int offset = 1; offset < std::min(room - extent, SettledReach); ++offset) {
        const double scale = std::floor(offset * fit + Hair) / offset;
        const double middle = (screen - extent * scale) / 2;
        if (std::abs(offset * scale - middle) <= MostOffCentre && (best == fit || scale > best))
            best = scale;
    }
    return best;
}

} // namespace stopwise
