// Screen texts are fixed pieces and state values joined end to end, nothing between them.
#pragma once

#include <string>
#include <string_view>

namespace stopwise {

template <typename... Pieces> std::string joined(const Pieces&... pieces)
{
    std::string text;
    (text.append(std::string_view(pieces)), ...);
    return text;
}

} // namespace stopwise
