// A picture: one piece of artwork drawn at its natural size, opaque. Pictures with a touch
// action are the kiosk's buttons and keys.
#pragma once

#include "assets/Asset.h"
#include "shell/Control.h"

namespace stopwise {

class Picture : public Control {
    Q_OBJECT
public:
    Picture(QWidget* parent, short index, const Asset& asset);

    const Asset& asset() const { return m_asset; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Asset m_asset;
};

} // namespace stopwise
