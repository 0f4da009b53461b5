#include "screens/ScreenBuilder.h"

#include "screens/Layout.h"
#include "toolkit/Accessibility.h"
#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/Picture.h"
#include "toolkit/Shape.h"

#include <utility>
#include <vector>

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

void buildScreens(QWidget& window, Screens& screens)
{
    std::vector<std::pair<Picture*, const ControlRow*>> readers; // once their rows exist
    for (const PanelRow& panelRow : PanelLayout) {
        auto* panel = new Panel(&window, QColor::fromRgb(panelRow.background));
        panel->setObjectName(qName(panelRow.name));
        panel->resize(panelRow.width, panelRow.height);
        screens.*panelRow.panel = panel;
        // Bottom-most first, so that each control lies above the ones created before it.
        for (auto each = panelRow.controls.rbegin(); each != panelRow.controls.rend(); ++each) {
            const ControlRow& row = *each;
            QWidget* control = makeControl(panel, row);
            control->setObjectName(qName(row.name, row.index));
            control->setGeometry(row.x, row.y, row.width, row.height);
            control->setVisible(row.visible);
            control->setAttribute(Qt::WA_TransparentForMouseEvents, row.seeThrough);
            if (row.store)
                row.store(screens, *control, row.index);
            if (row.readWith)
                readers.emplace_back(static_cast<Picture*>(control), &row);
        }
    }
    for (const auto& [picture, row] : readers)
        picture->setReadWith(row->readWith(screens, row->index));
    makeAccessible(window);
}

} // namespace stopwise
