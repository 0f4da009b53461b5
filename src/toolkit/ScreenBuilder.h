// Turns screen tables into widgets: every panel a child of the window, every control a child
// of its panel, each named after its control ("Letters(3)"), and makes them known to
// assistive technology. Afterwards the code reaches the controls it needs by name, once, at
// start: a name that no control bears stops the program there with a message naming it.
#pragma once

#include "toolkit/ScreenTable.h"

#include <QWidget>

#include <array>
#include <span>

namespace stopwise {

void buildScreens(QWidget& window, std::span<const PanelRow> panels);

// The control of that name on `window`, or a fatal error naming what is missing.
QWidget& requireControl(const QWidget& window, const std::string& name, const char* kind);

template <typename T>
T* controlOf(const QWidget& window, std::string_view name, short index = Single)
{
    QWidget& found =
        requireControl(window, controlName(name, index), T::staticMetaObject.className());
    return static_cast<T*>(&found);
}

template <typename T, std::size_t N>
std::array<T*, N> controlsOf(const QWidget& window, std::string_view name)
{
    std::array<T*, N> elements{};
    for (std::size_t i = 0; i < N; ++i)
        elements[i] = controlOf<T>(window, name, short(i));
    return elements;
}

} // namespace stopwise
