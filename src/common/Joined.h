// Screen texts are fixed pieces and state values joined end to end, nothing between them;
// the lines of a multi-line text break at CR LF.
#pragma once

#include <string>
#include <string_view>

namespace stopwise {

inline constexpr std::string_view LineBreak = "\r\n";

template <typename... Pieces> std::string joined(const Pieces&... pieces)
{
    std::string text;
    (text.append(std::string_view(pieces)), ...);
    return text;
}

} // namespace stopwise
