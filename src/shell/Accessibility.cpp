#include "shell/Accessibility.h"

#include "assets/Artwork.h"

#include "shell/Label.h"
#include "shell/Layout.h"
#include "shell/Panel.h"
#include "shell/Picture.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace stopwise {
namespace {

constexpr std::string_view RowLabel = "ListItem"; // the row a select button chooses
const QString SelectPrefix = QStringLiteral("Select ");

// The label beside a select button: the one of the same index on the same panel.
const Label* rowOf(const Picture& button)
{
    const QWidget* panel = button.parentWidget();
    if (!panel)
        return nullptr;
    const QString name = QString::fromStdString(controlName(RowLabel, button.index()));
    return panel->findChild<const Label*>(name, Qt::FindDirectChildrenOnly);
}

// The words of a picture, as its artwork shows them.
QString pictureName(const Picture& picture)
{
    const Asset& asset = picture.asset();
    if (asset.art == Art::Select) {
        const Label* row = rowOf(picture);
        return row ? SelectPrefix + row->shownText() : SelectPrefix.trimmed();
    }
    return wordsOf(asset);
}

// A panel that takes touches is read as the texts on it, in the order of their indexes.
QString panelName(const Panel& panel)
{
    QList<const Label*> labels = panel.findChildren<const Label*>(Qt::FindDirectChildrenOnly);
    std::ranges::sort(labels, {}, &Label::index);
    QStringList texts;
    for (const Label* label : labels)
        texts << label->shownText();
    return texts.join(u' ');
}

bool actsAsButton(const Control& control)
{
    if (const auto* picture = qobject_cast<const Picture*>(&control))
        return picture->asset().art != Art::Card;
    if (qobject_cast<const Panel*>(&control))
        return control.hasTouchAction();
    return false;
}

class ControlAccessible : public QAccessibleWidget {
public:
    explicit ControlAccessible(Control* control)
        : QAccessibleWidget(control)
    {
    }

    QAccessible::Role role() const override
    {
        if (actsAsButton(*control()))
            return QAccessible::Button;
        if (qobject_cast<const Label*>(control()))
            return QAccessible::StaticText;
        if (qobject_cast<const Picture*>(control()))
            return QAccessible::Graphic;
        return QAccessible::Pane;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        if (const auto* label = qobject_cast<const Label*>(control()))
            return label->shownText();
        if (const auto* picture = qobject_cast<const Picture*>(control()))
            return pictureName(*picture);
        if (role() == QAccessible::Button)
            return panelName(*static_cast<const Panel*>(control()));
        return {};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (const auto* picture = qobject_cast<const Picture*>(control())) {
            state.disabled = picture->asset().art == Art::PagingGreyed;
            state.pressed = picture->asset().art == Art::PressedKey;
        }
        return state;
    }

    QStringList actionNames() const override
    {
        if (role() != QAccessible::Button || state().disabled)
            return {};
        return {pressAction()};
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && actionNames().contains(action))
            control()->tap();
    }

private:
    Control* control() const { return static_cast<Control*>(widget()); }
};

QAccessibleInterface* controlInterface(const QString&, QObject* object)
{
    if (auto* control = qobject_cast<Control*>(object))
        return new ControlAccessible(control);
    return nullptr;
}

void announceName(QObject* object)
{
    QAccessibleEvent changed(object, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace

void makeAccessible(QWidget* window)
{
    QAccessible::installFactory(controlInterface); // a second install is ignored
    const auto pictures = window->findChildren<Picture*>();
    for (Label* label : window->findChildren<Label*>()) {
        QObject::connect(label, &Label::textChanged, label, [label] { announceName(label); });
        for (Picture* button : pictures)
            if (button->asset().art == Art::Select && rowOf(*button) == label)
                QObject::connect(label, &Label::textChanged, button,
                                 [button] { announceName(button); });
    }
}

} // namespace stopwise
