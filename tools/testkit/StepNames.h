// The kiosk's steps by name, as the soak prints them and as a failing test compares them.
#pragma once

#include "common/Steps.h"

#include <string_view>

namespace stopwise {

std::string_view nameOf(Step step);

// For QCOMPARE: a step that differs is named.
char* toString(Step step);

} // namespace stopwise
