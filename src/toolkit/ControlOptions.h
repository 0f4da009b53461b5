// What the screen tables say of a control that the widgets also know: the index of a control
// that is not in an array, and how a label's text meets its box. Plain C++, no Qt.
#pragma once

#include <cstdint>

namespace stopwise {

inline constexpr short Single = -1; // the index of a control that is not in an array

// Wrapped at word boundaries and cut off below, or kept on one line at a smaller size when
// it is too wide.
enum class Fit : std::uint8_t { Wrap, ShrinkToOneLine };

} // namespace stopwise
