#include "toolkit/Accessibility.h"

#include "assets/Artwork.h"

#include "toolkit/Label.h"
#include "toolkit/Panel.h"
#include "toolkit/Picture.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace stopwise {
namespace {

// The words of a picture, as its artwork shows them; a select button is read with its row.
QString pictureName(const Picture& picture)
{
    if (const Label* row = picture.readWith())
        return QStringLiteral("Select ") + row->shownText();
    return wordsOf(picture.asset());
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
        return control.takesClicks(); // the welcome panel
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

    // Only what a finger could touch can be pressed: a button on show and not greyed.
    QStringList actionNames() const override
    {
        if (role() != QAccessible::Button || state().disabled || !control()->isVisible())
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

void makeAccessible(QWidget& window)
{
    QAccessible::installFactory(controlInterface); // a second install is ignored
    for (Label* label : window.findChildren<Label*>())
        QObject::connect(label, &Label::textChanged, label, [label] { announceName(label); });
    for (Picture* button : window.findChildren<Picture*>())
        QObject::connect(button, &Picture::nameChanged, button, [button] { announceName(button); });
}

} // namespace stopwise
