// The editor's "Find Player" side: the year, club and player cascade and the search.
#include <algorithm>

#include "editors/editor_state.h"

namespace velmoro {

PositionCounts CountPositions(const TeamRecord& team) {
    PositionCounts counts{};
    for (const auto& player : team.players) {
        for (std::size_t i = 0; i < kCountedPositions.size(); ++i) {
            if (player->HasPosition(kCountedPositions[i])) ++counts[i];
        }
    }
    return counts;
}

void CustomTeamEditor::Open() {
    FillYears(db_.legendTeams, years);
    if (!years.Empty()) SelectYear(0);
    selector.Clear();
    for (const auto& team : db_.customTeams) {
        if (!team->name.empty()) selector.Insert(team->name);
    }
    // The current team follows the selector, so a team the selector cannot show
    // (a nameless one from an older file) never takes players unseen.
    currentCustomTeam = nullptr;
    if (!selector.Empty()) SelectCustomTeam(0);
}

void CustomTeamEditor::SelectYear(int row) {
    years.Select(row);
    FillClubs(db_.legendTeams, years.SelectedText(), clubs, [&](const TeamRecord& team) {
        return !playerSearchActive || FindPlayerByPartialName(team, searchText);
    });
    if (clubs.Empty()) {
        Tell(kNoMatchMessage);
        return;
    }
    SelectClub(0);
}

void CustomTeamEditor::SelectClub(int row) {
    clubs.Select(row);
    if (!clubs.HasSelection()) return;
    sourceTeam = LookupTeam(db_.legendTeams, SelectedTeamName(years, clubs));
    FillPlayers(sourceTeam, sourcePlayers);
    const int first = playerSearchActive
                          ? SelectMatchingPlayerItem(sourcePlayers.Entries(), searchText)
                          : (sourcePlayers.Empty() ? -1 : 0);
    SelectSourcePlayer(first);
}

void CustomTeamEditor::SelectSourcePlayer(int row) {
    sourcePlayers.Select(row);
    if (!sourcePlayers.HasSelection()) {
        selectedSourcePlayer = nullptr;
        return;
    }
    const std::string name = sourcePlayers.SelectedText();
    card.caption = name;
    customPlayers.Select(-1);
    selectedSourcePlayer = FindPlayer(sourceTeam, name);
    if (selectedSourcePlayer) ShowPlayerCard(*selectedSourcePlayer);
}

void CustomTeamEditor::SearchPlayer(std::string_view text) {
    playerSearchActive = true;
    searchText = std::string(text.substr(0, kSearchTextLimit));
    if (searchText.size() < kMinimumSearchLength) {
        years.Clear();
        clubs.Clear();
        Tell(kShortSearchMessage);
        selectedSourcePlayer = nullptr;
        return;
    }
    bool matched = false;
    for (const auto& team : db_.legendTeams) {
        if (!FindPlayerByPartialName(*team, searchText)) continue;
        if (!matched) {
            years.Clear();
            clubs.Clear();
            matched = true;
        }
        const std::string year = TeamYear(team->name);
        if (!year.empty()) years.InsertUnique(year);
    }
    sourceTeam = nullptr;
    if (!matched) {
        // The club and player lists stay on screen, but nothing can be added from them.
        years.Clear();
        Tell(kNoMatchMessage);
        selectedSourcePlayer = nullptr;
        return;
    }
    SelectYear(0);
}

void CustomTeamEditor::AllTeams() {
    years.Clear();
    clubs.Clear();
    playerSearchActive = false;
    FillYears(db_.legendTeams, years);
    if (!years.Empty()) SelectYear(0);
}

void CustomTeamEditor::ShowPlayerCard(const PlayerRecord& player) {
    card.caption = player.name;
    card.batting = BattingFieldTexts(player);
    card.pitching = PitchingFieldTexts(player);
    card.positions = player.positions & kCustomEditorRules.shownPositions;
}

}  // namespace velmoro
