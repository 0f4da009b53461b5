// A picture: one piece of artwork drawn at its natural size, opaque. Pictures with a touch
// action are the kiosk's buttons and keys.
#pragma once

#include "assets/Asset.h"
#include "toolkit/Control.h"

namespace stopwise {

class Label;

class Picture : public Control {
    Q_OBJECT
public:
    Picture(QWidget* parent, short index, const Asset& asset);

    const Asset& asset() const { return m_asset; }

    // The label whose text a screen reader reads with this picture (a select button's row);
    // the picture's name changes with that text.
    const Label* readWith() const { return m_readWith; }
    void setReadWith(const Label* label);

signals:
    void nameChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Asset m_asset;
    const Label* m_readWith = nullptr;
};

} // namespace stopwise
