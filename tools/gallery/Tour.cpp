#include "Tour.h"

#include <QBackingStore>
#include <QCoreApplication>

namespace stopwise::testing {

const QList<Sight> Tour = {
    {"01-welcome", {}},
    {"02-main-menu", {"IntroMessage(3)"}},
    {"03-arrivals", {"WhensTheBusComing"}},
    {"04-search-type", {"BusScheduleOK", "HowDoIGetTo"}},
    {"05-street-prompt", {"IKnowStreetNames"}},
    {"06-streets-m", {"type m"}},
    {"07-streets-m-page-2", {"MoreStreets(0)"}},
    {"08-number-keypad", {"Letters(27)", "Letters(26)", "Numbers(8)"}},
    {"09-abc-held", {"hold Numbers(10)"}},
    {"10-no-street", {"Letters(27)", "type n", "Letters(26)", "Numbers(6)", "hold Numbers(2)"}},
    {"11-key-held", {"Numbers(11)", "Numbers(10)", "hold Letters(5)"}},
    {"12-cross-street-prompt", {"choose Forbes Ave"}},
    {"13-cross-streets-s", {"type s"}},
    {"14-no-cross-street", {"Letters(27)", "type q"}},
    {"15-street-directions", {"Letters(27)", "type m", "choose Murray Ave"}},
    {"16-area-prompt", {"InstructionsOK", "HowDoIGetTo", "IKnowLocation"}},
    {"17-areas-w", {"type w"}},
    {"18-no-area", {"Letters(27)", "type q"}},
    {"19-areas-o", {"Letters(27)", "type o"}},
    {"20-stops-oakland", {"choose Oakland"}},
    {"21-stops-page-2-hash-held", {"MoreStops(0)", "hold Letters(26)"}},
    {"22-stops-clear-held", {"hold Numbers(11)"}},
    {"23-stops-c", {"Numbers(10)", "type c"}},
    {"24-no-stop", {"type z"}},
    {"25-stop-directions", {"Letters(27)", "choose Cathedral of Learning"}},
    {"26-no-stop-untyped",
     {"InstructionsOK", "HowDoIGetTo", "IKnowLocation", "type mo", "choose Monroeville"}},
    {"27-long-title",
     {"Back(0)", "type sq", "choose Squirrel Hill", "choose Jewish Community Cntr"}},
};

QString walkTour(Kiosk& kiosk, const std::function<void(const Sight&)>& look)
{
    for (const Sight& sight : Tour) {
        if (const QString astray = kiosk.walk(sight.steps); !astray.isEmpty())
            return QStringLiteral("%1, %2").arg(QString::fromUtf8(sight.name), astray);
        look(sight);
    }
    kiosk.lift();
    return {};
}

QImage photograph(QWidget& window)
{
    QCoreApplication::processEvents();
    const auto* pixels = dynamic_cast<const QImage*>(window.backingStore()->paintDevice());
    return pixels ? pixels->copy() : QImage();
}

QString imageName(const Sight& sight, qreal scale)
{
    const QString base = QString::fromUtf8(sight.name);
    return scale == 1 ? base + QStringLiteral(".png")
                      : QStringLiteral("%1@%2x.png").arg(base).arg(scale);
}

} // namespace stopwise::testing
