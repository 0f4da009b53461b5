#include "StepNames.h"

#include <QByteArray>

namespace stopwise {

std::string_view nameOf(Step step)
{
    switch (step) {
    case Step::Welcome: return "welcome";
    case Step::MainMenu: return "main menu";
    case Step::NextArrivals: return "next arrivals";
    case Step::SearchType: return "search type";
    case Step::Street: return "street";
    case Step::CrossStreet: return "cross street";
    case Step::Area: return "area";
    case Step::Stop: return "stop";
    case Step::StreetDirections: return "street directions";
    case Step::StopDirections: return "stop directions";
    }
    return {};
}

char* toString(Step step)
{
    return qstrdup(QByteArray(nameOf(step).data(), qsizetype(nameOf(step).size())).constData());
}

} // namespace stopwise
