#include "Tour.h"

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
    {"10-key-held", {"Letters(27)", "hold Letters(5)"}},
    {"11-cross-street-prompt", {"choose Forbes Ave"}},
    {"12-cross-streets-s", {"type s"}},
    {"13-no-match", {"Letters(27)", "type q"}},
    {"14-street-directions", {"Letters(27)", "type m", "choose Murray Ave"}},
    {"15-areas-w", {"InstructionsOK", "HowDoIGetTo", "IKnowLocation", "type w"}},
    {"16-areas-o", {"Letters(27)", "type o"}},
    {"17-stops-oakland", {"choose Oakland"}},
    {"18-stop-directions", {"choose Cathedral of Learning"}},
    {"19-stops-shadyside",
     {"InstructionsOK", "HowDoIGetTo", "IKnowLocation", "type sh", "choose Shadyside"}},
    {"20-long-title",
     {"Back(1)", "type sq", "choose Squirrel Hill", "choose Jewish Community Cntr"}},
};

QString walkTour(Kiosk& kiosk, const std::function<void(const Sight&)>& look)
{
    for (const Sight& sight : Tour) {
        if (!kiosk.walk(sight.steps))
            return QString::fromUtf8(sight.name);
        look(sight);
    }
    kiosk.lift();
    return {};
}

QString imageName(const Sight& sight, qreal scale)
{
    const QString base = QString::fromUtf8(sight.name);
    return scale == 1 ? base + QStringLiteral(".png")
                      : QStringLiteral("%1@%2x.png").arg(base).arg(scale);
}

} // namespace stopwise::testing
