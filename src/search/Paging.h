// The arithmetic of the candidate pages: four names to a page, the More button turning to
// the next page and from the last back to the first. Plain C++.
#pragma once

#include <algorithm>

namespace stopwise {

inline constexpr int PageSize = 4;

constexpr int PageCount(int names)
{
    return (names + PageSize - 1) / PageSize;
}

// The live More button shows only when the names do not fit on one page.
constexpr bool NeedsPaging(int names)
{
    return names > PageSize;
}

// The page after `page`, wrapping round; a list with no pages stays where it is.
constexpr int NextPage(int page, int names)
{
    const int pages = PageCount(names);
    return pages == 0 ? page : (page + 1) % pages;
}

// How many of the four rows page `page` fills.
constexpr int RowsOnPage(int page, int names)
{
    return std::clamp(names - PageSize * page, 0, PageSize);
}

} // namespace stopwise
