#include "Soak.h"

#include "catalogue/DefineData.h"
#include "toolkit/Picture.h"

#include <QCoreApplication>
#include <set>

namespace stopwise::soak {
namespace {

// Every move a touch can make between steps, by step number.
const std::set<std::pair<int, int>> Moves = {{0, 1}, {1, 2}, {1, 3}, {2, 1}, {3, 4}, {3, 6},
                                             {4, 5}, {4, 1}, {5, 8}, {5, 4}, {6, 7}, {6, 1},
                                             {7, 9}, {7, 6}, {8, 1}, {9, 1}};

// The soak's own reading of a search: the names that `offered` lets through and that begin
// with the typed text, case aside, in table order.
template <std::size_t N, typename Offered>
std::vector<std::string_view> beginningWith(const std::array<std::string_view, N>& names,
                                            const std::string& typed, Offered offered)
{
    std::vector<std::string_view> found;
    for (std::size_t i = 0; i < N; ++i)
        if (offered(i) && !names[i].empty() &&
            QString::fromUtf8(names[i].data(), qsizetype(names[i].size()))
                .startsWith(QString::fromStdString(typed), Qt::CaseInsensitive))
            found.push_back(names[i]);
    return found;
}

std::vector<std::string_view> candidates(const KioskState& state)
{
    const Catalogue& places = LoadCatalogue();
    const int street = StreetIndex(state.SelectedStreet).value_or(0);
    const int area = AreaIndex(state.SelectedArea).value_or(0);
    const auto any = [](std::size_t) { return true; };
    switch (int(state.Mode)) {
    case 4: return beginningWith(places.Streets, state.KeyPadInput, any);
    case 5:
        return beginningWith(places.Streets, state.KeyPadInput,
                             [&](std::size_t i) { return places.CrossStreets[i][street]; });
    case 6: return beginningWith(places.Areas, state.KeyPadInput, any);
    default:
        return beginningWith(places.Stops, state.KeyPadInput,
                             [&](std::size_t i) { return places.AreaStops[i][area]; });
    }
}

} // namespace

Soak::Soak(testing::Kiosk& kiosk, unsigned seed)
    : m_kiosk(kiosk)
    , m_random(seed)
{
}

void Soak::run(long count)
{
    for (const long end = events + count; events < end && violations.size() < 5;) {
        touchSomething();
        if (events % 64 == 0)
            QCoreApplication::processEvents(); // let the window paint now and then
    }
    m_kiosk.lift();
}

// Half the time anywhere, half the time on a shown picture, as often a candidate as a key,
// so that the touches get deep into the searches and out again.
QPoint Soak::somewhere()
{
    QList<Picture*> shown, candidates;
    for (Picture* picture : m_kiosk.window().findChildren<Picture*>())
        if (picture->isVisible())
            (picture->readWith() ? candidates : shown) << picture;
    if (!candidates.isEmpty() && std::bernoulli_distribution(0.25)(m_random))
        shown = candidates;
    if (shown.isEmpty() || std::bernoulli_distribution(0.5)(m_random))
        return {std::uniform_int_distribution<int>(0, m_kiosk.window().width() - 1)(m_random),
                std::uniform_int_distribution<int>(0, m_kiosk.window().height() - 1)(m_random)};
    const Picture* picture =
        shown[std::uniform_int_distribution<qsizetype>(0, shown.size() - 1)(m_random)];
    return picture->mapTo(&m_kiosk.window(), picture->rect().center());
}

// One finger: a press only while nothing is held, a slide or lift only after a press; now
// and then a press held for later, or a double tap.
void Soak::touchSomething()
{
    const int kind = std::uniform_int_distribution<int>(0, 99)(m_random);
    const QPoint at = somewhere();
    if (m_held) {
        kind < 30 ? m_kiosk.move(at) : m_kiosk.release(at);
        return sent(kind < 30);
    }
    for (int tap = kind % 5 == 0 ? 2 : 1; tap > 0; --tap) {
        m_kiosk.press(at);
        sent(true);
        if (kind % 4 == 0)
            return; // held
        m_kiosk.release(at);
        sent(false);
    }
}

void Soak::sent(bool fingerDown)
{
    m_held = fingerDown;
    ++events;
    check();
}

void Soak::check()
{
    const KioskState& state = m_kiosk.state();
    const auto fail = [&](const QString& what) {
        violations
            << QStringLiteral("event %1 (step %2): %3").arg(events).arg(int(state.Mode)).arg(what);
    };
    const int step = int(state.Mode);
    if (step != m_step) {
        if (!Moves.contains({m_step, step}))
            fail(QStringLiteral("a move from step %1").arg(m_step));
        ++visits.at(m_step = step);
    }
    // Outside the searches exactly one panel; in a search one keypad and one of the prompt
    // and the candidate list.
    const QStringList shown = m_kiosk.visiblePanels();
    const bool search = step >= 4 && step <= 7;
    if (search ? shown.size() != 2 || shown.contains("KeyPad") == shown.contains("NumKeyPad") ||
                     shown.contains("StreetSelect") == shown.contains("StreetSelectList")
               : shown.size() != 1)
        fail(QStringLiteral("panels shown: %1").arg(shown.join(u' ')));
    const int names = int(state.Matches.size());
    if (names > 0 && (state.DataPageNumber < 0 || state.DataPageNumber * 4 >= names))
        fail(QStringLiteral("page %1 of %2 names").arg(state.DataPageNumber).arg(names));
    // With nothing typed the first three searches show their prompt and keep the old list.
    if (search && (!state.KeyPadInput.empty() || step == 7) && state.Matches != candidates(state))
        fail(
            QStringLiteral("candidates for \"%1\"").arg(QString::fromStdString(state.KeyPadInput)));
    long pressed = 0;
    for (const Picture* picture : m_kiosk.window().findChildren<Picture*>())
        pressed += picture->asset().art == Art::PressedKey && picture->isVisible();
    if (pressed > (m_held ? 1 : 0))
        fail(QStringLiteral("%1 pressed pictures shown").arg(pressed));
}

} // namespace stopwise::soak
