#include "Soak.h"

#include "catalogue/DefineData.h"
#include "search/CandidateSearch.h"
#include "search/Paging.h"
#include "shell/Picture.h"
#include "shell/Steps.h"

#include <QCoreApplication>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <set>

namespace stopwise::soak {
namespace {

// Every move a touch can make between steps.
const std::set<std::pair<int, int>> LegalMoves = {
    {0, 1}, {1, 2}, {1, 3}, {2, 1}, {3, 4}, {3, 6}, {4, 5}, {4, 1},
    {5, 8}, {5, 4}, {6, 7}, {6, 1}, {7, 9}, {7, 6}, {8, 1}, {9, 1},
};

// The full-screen panel of each step outside the searches.
const char* const ScreenOfStep[] = {"Intro",        "MainMenu",    "BusSchedule", "SearchType",
                                    nullptr,        nullptr,       nullptr,       nullptr,
                                    "Instructions", "Instructions"};

const QStringList Panels = {"Intro",        "MainMenu",     "BusSchedule",      "SearchType",
                            "Instructions", "StreetSelect", "StreetSelectList", "KeyPad",
                            "NumKeyPad"};

template <std::size_t N>
bool isOneOf(std::string_view name, const std::array<std::string_view, N>& names)
{
    return name.empty() || std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

Soak::Soak(Stopwise& window, unsigned seed)
    : m_window(window)
    , m_pictures(window.findChildren<Picture*>())
    , m_random(seed)
    , m_mode(window.state().Mode)
{
    for (const QString& name : Panels)
        m_panels << window.findChild<QWidget*>(name);
    for (Picture* picture : m_pictures)
        if (picture->objectName().contains(QLatin1StringView("_sel(")))
            m_pressedPictures << picture;
}

void Soak::run(long events)
{
    const long end = m_counts.events + events;
    while (m_counts.events < end && m_violations.size() < 5) {
        touchSomething();
        if (m_counts.events % 64 == 0)
            QCoreApplication::processEvents(); // let the window paint now and then
    }
    if (m_held)
        send(QEvent::MouseButtonRelease, anywhere());
}

QPoint Soak::anywhere()
{
    std::uniform_int_distribution<int> x(0, m_window.width() - 1), y(0, m_window.height() - 1);
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
        if (picture->objectName().startsWith(QLatin1StringView("SelectBtn(")))
            candidates << picture;
    }
    if (visible.isEmpty())
        return anywhere();
    const QList<Picture*>& pool =
        !candidates.isEmpty() && std::bernoulli_distribution(0.25)(m_random) ? candidates : visible;
    const Picture* picture =
        pool[std::uniform_int_distribution<qsizetype>(0, pool.size() - 1)(m_random)];
    return picture->mapTo(&m_window, picture->rect().center());
}

// One finger: a press only while nothing is held, a release only after a press.
void Soak::touchSomething()
{
    const int kind = std::uniform_int_distribution<int>(0, 99)(m_random);
    if (m_held) {
        if (kind < 30)
            send(QEvent::MouseMove, anywhere());
        else
            send(QEvent::MouseButtonRelease, kind < 60 ? anywhere() : onAVisiblePicture());
        return;
    }
    const QPoint at = kind < 50 ? onAVisiblePicture() : anywhere();
    if (kind % 4 == 0) { // a held press, lifted later, wherever the finger is then
        send(QEvent::MouseButtonPress, at);
        return;
    }
    const int taps = kind % 5 == 0 ? 2 : 1; // now and then a double tap
    for (int tap = 0; tap < taps; ++tap) {
        send(QEvent::MouseButtonPress, at);
        send(QEvent::MouseButtonRelease, at);
    }
}

void Soak::send(QEvent::Type type, QPoint at)
{
    QWindow* window = m_window.windowHandle();
    switch (type) {
    case QEvent::MouseButtonPress:
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        m_held = true;
        break;
    case QEvent::MouseButtonRelease:
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        m_held = false;
        break;
    default: QTest::mouseMove(window, at); break;
    }
    ++m_counts.events;
    check();
}

void Soak::fail(const QString& what)
{
    m_violations << QStringLiteral("event %1 (step %2): %3")
                        .arg(m_counts.events)
                        .arg(m_window.state().Mode)
                        .arg(what);
}

void Soak::check()
{
    ++m_counts.checks;
    const KioskState& state = m_window.state();

    if (state.Mode < 0 || state.Mode > 9)
        return fail(QStringLiteral("step out of range"));
    if (state.Mode != m_mode) {
        if (!LegalMoves.contains({m_mode, state.Mode}))
            fail(QStringLiteral("illegal move from step %1").arg(m_mode));
        m_mode = state.Mode;
        ++m_counts.moves;
        ++m_counts.visits[state.Mode];
    }

    QStringList shown;
    for (const QWidget* panel : m_panels)
        if (panel->isVisible())
            shown << panel->objectName();
    if (isSearchStep(state.Mode)) {
        const bool pad = shown.contains("KeyPad"), numbers = shown.contains("NumKeyPad");
        const bool prompt = shown.contains("StreetSelect");
        const bool list = shown.contains("StreetSelectList");
        if (pad == numbers || prompt == list || shown.size() != 2)
            fail(QStringLiteral("search panels shown: %1").arg(shown.join(' ')));
    } else if (shown != QStringList{ScreenOfStep[state.Mode]}) {
        fail(QStringLiteral("panels shown: %1").arg(shown.join(' ')));
    }

    const int names = int(state.Matches.size());
    if (names > 0 && (state.DataPageNumber < 0 || state.DataPageNumber >= PageCount(names)))
        fail(QStringLiteral("page %1 of %2 names").arg(state.DataPageNumber).arg(names));

    // The list is rebuilt from the typed text after every key; with nothing typed the first
    // three steps show their prompt and keep the old, hidden list.
    if (isSearchStep(state.Mode) && (!state.KeyPadInput.empty() || state.Mode == ChooseStop)) {
        const auto expected = Candidates(LoadCatalogue(), {.mode = state.Mode,
                                                           .typed = state.KeyPadInput,
                                                           .selectedStreet = state.SelectedStreet,
                                                           .selectedArea = state.SelectedArea});
        if (state.Matches != expected)
            fail(QStringLiteral("candidates differ for \"%1\"")
                     .arg(QString::fromStdString(state.KeyPadInput)));
    }

    const auto pressedShown =
        std::count_if(m_pressedPictures.begin(), m_pressedPictures.end(),
                      [](const QWidget* picture) { return picture->isVisible(); });
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
