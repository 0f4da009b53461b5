// What the screens' pixels depend on besides the kiosk's own code: the Qt version this process
// runs with, and the face each of the kiosk's fonts resolves to on this machine, with a digest
// of its outlines. The screens tool writes it beside the reviewed images, and the screens
// test compares it with this machine's, so that a new renderer is named as the cause when
// the screens differ.
#pragma once

#include <QString>

class QWidget;

namespace stopwise::testing {

// The file, beside the reviewed images, that records the renderer they were made with.
inline constexpr char RendererFile[] = "renderer.txt";

// One "what: version" line each, for the kiosk `window`.
QString describeRenderer(const QWidget& window);

} // namespace stopwise::testing
