#include "cli/db_lineup_figures.h"

#include <memory>
#include <unordered_map>

#include <fmt/format.h>

#include "engine/session.h"
#include "setup/default_setup.h"

namespace velmoro {

namespace {

// The defence slots of each measured page, in the order of kRegularPageNames.
constexpr std::array<std::array<int, 3>, kRegularPages> kPageSlots = {{
    {CatcherSlot, -1, -1},
    {FirstBaseSlot, -1, -1},
    {SecondBaseSlot, -1, -1},
    {ShortstopSlot, -1, -1},
    {ThirdBaseSlot, -1, -1},
    {LeftFieldSlot, CenterFieldSlot, RightFieldSlot},
}};

double Share(std::size_t part, std::size_t whole) {
    return whole ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

}  // namespace

double LineupFigures::Percent(std::size_t page) const {
    if (page < kRegularPages) return Share(regulars[page], starters[page]);
    std::size_t part = 0, whole = 0;
    for (std::size_t i = 0; i < kRegularPages; ++i)
        part += regulars[i], whole += starters[i];
    return Share(part, whole);
}

double LineupFigures::DesignatedHitterPercent() const {
    return Share(realHitters, designatedHitters);
}

LineupFigures MeasureDefaultLineups(const TeamList& teams,
                                    const std::vector<LahmanSeason>& seasons) {
    std::unordered_map<std::string, const LahmanSeason*> byName;
    for (const LahmanSeason& s : seasons)
        byName.emplace(s.standing.team, &s);
    LineupFigures figures;
    for (const auto& team : teams) {
        auto found = byName.find(team->name);
        if (found == byName.end()) continue;
        const LahmanSeason& season = *found->second;
        ++figures.teams;
        const bool designatedHitter = season.standing.year >= kFirstDesignatedHitterYear;
        auto session = std::make_unique<Session>();
        std::string error;
        if (!DefaultSetup(*session, *team, *team, designatedHitter, &error)) {
            ++figures.notSetUp;
            continue;
        }
        const auto& defense = session->game.visitor.defense;
        for (std::size_t page = 0; page < kRegularPages; ++page) {
            const std::vector<std::string>& regulars = season.regulars[page];
            if (regulars.empty()) continue;
            for (int slot : kPageSlots[page]) {
                if (slot < 0) continue;
                ++figures.starters[page];
                const PlayerRecord* starter = defense[slot];
                for (const std::string& name : regulars)
                    if (starter && starter->name == name) {
                        ++figures.regulars[page];
                        break;
                    }
            }
        }
        if (designatedHitter) {
            ++figures.designatedHitters;
            const PlayerRecord* hitter = defense[DesignatedHitterSlot];
            if (hitter && hitter->atBats >= kRealHitterAtBats) ++figures.realHitters;
        }
    }
    return figures;
}

void PrintLineupFigures(const LineupFigures& f, std::FILE* out) {
    fmt::print(out, "Default starters who are the club's regulars ({} team-seasons):\n", f.teams);
    for (std::size_t page = 0; page <= kRegularPages; ++page) {
        const char* name = page < kRegularPages ? kRegularPageNames[page] : "all";
        std::size_t part = 0, whole = 0;
        for (std::size_t i = 0; i < kRegularPages; ++i)
            if (page == kRegularPages || page == i) part += f.regulars[i], whole += f.starters[i];
        fmt::print(out, "  {:<4} {:5.1f}%  ({} of {})\n", name, f.Percent(page), part, whole);
    }
    fmt::print(out, "Default DH with {}+ at-bats since {}: {:.1f}%  ({} of {})\n",
               kRealHitterAtBats, kFirstDesignatedHitterYear, f.DesignatedHitterPercent(),
               f.realHitters, f.designatedHitters);
    if (f.notSetUp)
        fmt::print(out, "Team-seasons whose defaults cannot be set up: {}\n", f.notSetUp);
}

}  // namespace velmoro
