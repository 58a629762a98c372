#include "editors/db_change_save.h"

#include <fmt/format.h>

#include "db/team_files.h"

namespace velmoro {

namespace {

// The filter's choice for one team, as a copy.
std::unique_ptr<TeamRecord> QualifyingCopy(const TeamRecord& team) {
    auto copy = std::make_unique<TeamRecord>(team.name);
    for (const auto& player : team.players) {
        if (IsQualifyingPlayer(*player)) copy->AddPlayer(*player);
    }
    return copy;
}

std::string Count(std::size_t count, const char* one, const char* many) {
    return fmt::format("{} {}", count, count == 1 ? one : many);
}

}  // namespace

LegendSavePlan PlanLegendSave(const TeamList& teams) {
    LegendSavePlan plan;
    for (const auto& team : teams) {
        if (team->players.empty()) {
            ++plan.droppedTeams;
            continue;
        }
        auto copy = QualifyingCopy(*team);
        const bool spoilt =
            copy->players.empty() || (IsTeamPlayable(team.get()) && !IsTeamPlayable(copy.get()));
        if (spoilt) {
            copy->players.clear();
            CopyPlayers(*team, *copy);
        }
        plan.droppedPlayers += team->players.size() - copy->players.size();
        plan.teams.push_back(std::move(copy));
    }
    return plan;
}

std::string LegendSaveQuestion(const LegendSavePlan& plan) {
    std::string text;
    if (plan.droppedPlayers > 0)
        text = Count(plan.droppedPlayers, "player does", "players do") +
               " not qualify and will not be written. ";
    if (plan.droppedTeams > 0)
        text += Count(plan.droppedTeams, "team has", "teams have") +
                " no players and will not be written. ";
    return text.empty() ? text : text + "Save anyway?";
}

}  // namespace velmoro
