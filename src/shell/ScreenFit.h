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

} // namespace stopwise
