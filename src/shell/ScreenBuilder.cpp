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

QWidget* makeControl(QWidget* panel, const ControlRow& row)
{
    switch (row.kind) {
    case Kind::Label: {
        auto* label = new Label(panel, row.index, row.fontPixels,
                                row.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft);
        label->setText(row.text);
        return label;
    }
    case Kind::Picture: return new Picture(panel, row.index, row.asset);
    case Kind::Rectangle:
    case Kind::Line: return new Shape(panel, QColor::fromRgb(row.fill), row.outlined);
    }
    return nullptr;
}

} // namespace

void buildScreens(QWidget* window)
{
    for (const PanelRow& panelRow : PanelLayout) {
        auto* panel = new Panel(window, QColor::fromRgb(panelRow.background));
        panel->setObjectName(QString::fromUtf8(panelRow.name.data(), panelRow.name.size()));
        panel->resize(panelRow.width, panelRow.height);
        panel->setVisible(panelRow.visible);
        // Bottom-most first, so that each control lies above the ones created before it.
        for (const ControlRow& row : panelRow.controls | std::views::reverse) {
            QWidget* control = makeControl(panel, row);
            control->setObjectName(QString::fromStdString(controlName(row.name, row.index)));
            control->setGeometry(row.x, row.y, row.width, row.height);
            control->setVisible(row.visible);
        }
    }
    makeAccessible(window);
}

} // namespace stopwise
