#include "shell/ScreenBuilder.h"

#include "shell/Accessibility.h"
#include "shell/Label.h"
#include "shell/Layout.h"
#include "shell/Panel.h"
#include "shell/Picture.h"
#include "shell/Shape.h"

#include <ranges>

namespace stopwise {
namespace {

QWidget* makeControl(QWidget* panel, const ControlSpec& spec)
{
    switch (spec.kind) {
    case Kind::Label: {
        auto* label = new Label(panel, spec.index, spec.fontPixels,
                                spec.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
        label->setText(spec.text);
        return label;
    }
    case Kind::Picture: return new Picture(panel, spec.index, spec.asset);
    case Kind::Rectangle:
    case Kind::Line: return new Shape(panel, QColor::fromRgb(spec.fill), spec.outlined);
    }
    return nullptr;
}

} // namespace

void buildScreens(QWidget* window)
{
    for (const PanelSpec& panelSpec : PanelLayout) {
        auto* panel = new Panel(window, QColor::fromRgb(panelSpec.background));
        panel->setObjectName(QString::fromUtf8(panelSpec.name.data(), panelSpec.name.size()));
        panel->resize(panelSpec.width, panelSpec.height);
        panel->setVisible(panelSpec.visible);
        // Bottom-most first, so that each control lies above the ones created before it.
        for (const ControlSpec& spec : panelSpec.controls | std::views::reverse) {
            QWidget* control = makeControl(panel, spec);
            control->setObjectName(QString::fromStdString(controlName(spec.name, spec.index)));
            control->setGeometry(spec.x, spec.y, spec.width, spec.height);
            control->setVisible(spec.visible);
        }
    }
    makeAccessible(window);
}

} // namespace stopwise
