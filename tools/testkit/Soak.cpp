#include "Soak.h"

#include "assets/Asset.h"
#include "catalogue/DefineData.h"
#include "shell/Layout.h"
#include "toolkit/Picture.h"

#include <QCoreApplication>
#include <algorithm>
#include <set>

namespace stopwise::soak {
namespace {

// Every move a touch can make between steps, by step number.
const std::set<std::pair<int, int>> LegalMoves = {
    {0, 1}, {1, 2}, {1, 3}, {2, 1}, {3, 4}, {3, 6}, {4, 5}, {4, 1},
    {5, 8}, {5, 4}, {6, 7}, {6, 1}, {7, 9}, {7, 6}, {8, 1}, {9, 1},
};

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

template <std::size_t N>
bool isOneOf(std::string_view name, const std::array<std::string_view, N>& names)
{
    return name.empty() || std::find(names.begin(), names.end(), name) != names.end();
}

// The soak's own reading of the search: the names of `names` that `offered` lets through and
// that begin with the typed text, case aside, in table order.
template <std::size_t N, typename Offered>
std::vector<std::string_view> beginningWith(const std::array<std::string_view, N>& names,
                                            const std::string& typed, Offered offered)
{
    std::vector<std::string_view> found;
    for (std::size_t i = 0; i < N; ++i)
        if (offered(i) && !names[i].empty() &&
            qText(names[i]).startsWith(QString::fromStdString(typed), Qt::CaseInsensitive))
            found.push_back(names[i]);
    return found;
}

std::vector<std::string_view> expectedCandidates(const KioskState& state)
{
    const Catalogue& catalogue = LoadCatalogue();
    const int street = StreetIndex(state.SelectedStreet).value_or(0);
    const int area = AreaIndex(state.SelectedArea).value_or(0);
    switch (int(state.Mode)) {
    case 4: return beginningWith(catalogue.Streets, state.KeyPadInput, [](auto) { return true; });
    case 5:
        return beginningWith(catalogue.Streets, state.KeyPadInput,
                             [&](auto i) { return catalogue.CrossStreets[i][street]; });
    case 6: return beginningWith(catalogue.Areas, state.KeyPadInput, [](auto) { return true; });
    default:
        return beginningWith(catalogue.Stops, state.KeyPadInput,
                             [&](auto i) { return catalogue.AreaStops[i][area]; });
    }
}

} // namespace

Soak::Soak(testing::Kiosk& kiosk, unsigned seed)
    : m_kiosk(kiosk)
    , m_pictures(kiosk.window.findChildren<Picture*>())
    , m_random(seed)
    , m_step(int(kiosk.state().Mode))
{
}

void Soak::run(long events)
{
    const long end = m_counts.events + events;
    while (m_counts.events < end && m_violations.size() < 5) {
        touchSomething();
        if (m_counts.events % 64 == 0)
            QCoreApplication::processEvents(); // let the window paint now and then
    }
    m_kiosk.lift();
    m_held = false;
}

QPoint Soak::anywhere()
{
    const QWidget& window = m_kiosk.window;
    std::uniform_int_distribution<int> x(0, window.width() - 1), y(0, window.height() - 1);
    return {x(m_random), y(m_random)};
}

// Keys and buttons are pictures. The finger goes for any visible one alike, except that a
// shown candidate is chosen as often as a key is typed, so the soak gets deep into the
// searches and out again.
QPoint Soak::onAVisiblePicture()
{
    QList<Picture*> visible, candidates;
    for (Picture* picture : m_pictures) {
        if (!picture->isVisible())
            continue;
        visible << picture;
        if (picture->readWith())
            candidates << picture;
    }
    if (visible.isEmpty())
        return anywhere();
    const QList<Picture*>& pool =
        !candidates.isEmpty() && std::bernoulli_distribution(0.25)(m_random) ? candidates : visible;
    const Picture* picture =
        pool[std::uniform_int_distribution<qsizetype>(0, pool.size() - 1)(m_random)];
    return picture->mapTo(&m_kiosk.window, picture->rect().center());
}

// One finger: a press only while nothing is held, a lift only after a press.
void Soak::touchSomething()
{
    const int kind = std::uniform_int_distribution<int>(0, 99)(m_random);
    if (m_held) {
        if (kind < 30)
            m_kiosk.move(anywhere());
        else
            m_kiosk.release(kind < 60 ? anywhere() : onAVisiblePicture());
        return sent(kind < 30);
    }
    const QPoint at = kind < 50 ? onAVisiblePicture() : anywhere();
    const int taps = kind % 4 == 0 ? 0 : kind % 5 == 0 ? 2 : 1; // none: held, lifted later
    m_kiosk.press(at);
    sent(true);
    for (int tap = 0; tap < taps; ++tap) {
        if (tap > 0) {
            m_kiosk.press(at);
            sent(true);
        }
        m_kiosk.release(at);
        sent(false);
    }
}

void Soak::sent(bool fingerDown)
{
    m_held = fingerDown;
    ++m_counts.events;
    check();
}

void Soak::fail(const QString& what)
{
    m_violations << QStringLiteral("event %1 (step %2): %3")
                        .arg(m_counts.events)
                        .arg(int(m_kiosk.state().Mode))
                        .arg(what);
}

void Soak::check()
{
    const KioskState& state = m_kiosk.state();
    const int step = int(state.Mode);

    if (step < 0 || step > 9)
        return fail(QStringLiteral("step out of range"));
    if (step != m_step) {
        if (!LegalMoves.contains({m_step, step}))
            fail(QStringLiteral("illegal move from step %1").arg(m_step));
        m_step = step;
        ++m_counts.moves;
        ++m_counts.visits[step];
    }

    // Outside the searches, exactly the step's panels; in a search, one keypad and one of
    // the prompt and the candidate list.
    const QStringList shown = m_kiosk.visiblePanels();
    const bool search = step >= 4 && step <= 7;
    if (search) {
        const bool pad = shown.contains("KeyPad"), numbers = shown.contains("NumKeyPad");
        const bool prompt = shown.contains("StreetSelect");
        const bool list = shown.contains("StreetSelectList");
        if (pad == numbers || prompt == list || shown.size() != 2)
            fail(QStringLiteral("search panels shown: %1").arg(shown.join(' ')));
    } else if (shown != QStringList{qText(panelsOf(state.Mode)[0])}) {
        fail(QStringLiteral("panels shown: %1").arg(shown.join(' ')));
    }

    const int names = int(state.Matches.size());
    const int pages = (names + 3) / 4;
    if (names > 0 && (state.DataPageNumber < 0 || state.DataPageNumber >= pages))
        fail(QStringLiteral("page %1 of %2 names").arg(state.DataPageNumber).arg(names));

    // The list is rebuilt from the typed text after every key; with nothing typed the first
    // three steps show their prompt and keep the old, hidden list.
    if (search && (!state.KeyPadInput.empty() || state.Mode == Step::Stop) &&
        state.Matches != expectedCandidates(state))
        fail(QStringLiteral("candidates differ for \"%1\"")
                 .arg(QString::fromStdString(state.KeyPadInput)));

    const auto pressedShown = std::ranges::count_if(m_pictures, [](const Picture* picture) {
        return picture->asset().art == Art::PressedKey && picture->isVisible();
    });
    if (pressedShown > (m_held ? 1 : 0))
        fail(QStringLiteral("%1 pressed pictures shown").arg(pressedShown));

    const Catalogue& catalogue = LoadCatalogue();
    if (!isOneOf(state.SelectedStreet, catalogue.Streets) ||
        !isOneOf(state.SelectedCrossStreet, catalogue.Streets) ||
        !isOneOf(state.SelectedArea, catalogue.Areas) ||
        !isOneOf(state.SelectedStop, catalogue.Stops))
        fail(QStringLiteral("a choice that is not in the catalogue"));
}

} // namespace stopwise::soak
