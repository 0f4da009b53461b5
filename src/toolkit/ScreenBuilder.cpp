#include "toolkit/ScreenBuilder.h"

#include "toolkit/Accessibility.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/Picture.h"
#include "toolkit/Shape.h"

#include <ranges>

namespace stopwise {
namespace {

QWidget* makeControl(QWidget* panel, const ControlRow& row)
{
    switch (row.kind) {
    case Kind::Label: {
        auto* label =
            new Label(panel, row.index, row.fontPixels,
                      row.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft, row.fit);
        label->setText(row.text);
        return label;
    }
    case Kind::Picture: return new Picture(panel, row.index, row.asset);
    case Kind::Rectangle:
    case Kind::Line: return new Shape(panel, QColor::fromRgb(row.fill), row.outlined);
    }
    return nullptr;
}

QString qName(std::string_view name, short index = Single)
{
    return QString::fromStdString(controlName(name, index));
}

} // namespace

void buildScreens(QWidget& window, std::span<const PanelRow> panels)
{
    for (const PanelRow& panelRow : panels) {
        auto* panel = new Panel(&window, QColor::fromRgb(panelRow.background));
        panel->setObjectName(qName(panelRow.name));
        panel->resize(panelRow.width, panelRow.height);
        // Bottom-most first, so that each control lies above the ones created before it.
        for (const ControlRow& row : panelRow.controls | std::views::reverse) {
            QWidget* control = makeControl(panel, row);
            control->setObjectName(qName(row.name, row.index));
            control->setGeometry(row.x, row.y, row.width, row.height);
            control->setVisible(row.visible);
        }
        for (const ControlRow& row : panelRow.controls)
            if (!row.readWith.empty())
                panel->findChild<Picture*>(qName(row.name, row.index))
                    ->setReadWith(controlOf<Label>(*panel, row.readWith, row.index));
    }
    makeAccessible(window);
}

QWidget& requireControl(const QWidget& window, const std::string& name, const char* kind)
{
    auto* found = window.findChild<QWidget*>(QString::fromStdString(name));
    if (!found || !found->inherits(kind))
        qFatal("stopwise: the screens have no %s named %s", kind, name.c_str());
    return *found;
}

} // namespace stopwise
