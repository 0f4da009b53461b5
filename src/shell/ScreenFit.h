// How the kiosk fills a screen of its own. What a visitor sees of the window is the screens'
// extent, 436 x 288 pixels: every screen but the arrivals, which reach 8 pixels further down,
// out of sight. On a screen of its own the extent is drawn at the largest scale at which it
// fits, centred. Plain C++.
#pragma once

#include <algorithm>

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

} // namespace stopwise
