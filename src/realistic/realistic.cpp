#include "realistic/realistic.h"

#include "db/club_season.h"
#include "db/player_usage.h"
#include "db/season_index.h"
#include "engine/session.h"
#include "realistic/realistic_game.h"

namespace velmoro {

std::shared_ptr<const RealisticData> LoadRealisticData(const TeamDatabase& teams,
                                                       const std::filesystem::path& database,
                                                       const std::vector<PlayerUsage>* players) {
    // Each file beside the database is optional: a missing or damaged one leaves its
    // part to the sums and the era's rates.
    std::vector<SeasonRecord> index;
    std::vector<ClubSeason> clubs;
    std::vector<PlayerUsage> read;
    RealisticSources sources;
    if (LoadSeasonIndex(SeasonIndexPathFor(database), index)) sources.index = &index;
    if (LoadClubSeasons(ClubSeasonPathFor(database), clubs)) sources.clubs = &clubs;
    if (players)
        sources.players = players;
    else if (LoadPlayerUsage(PlayerUsagePathFor(database), read))
        sources.players = &read;
    std::vector<const TeamRecord*> legend;
    for (const auto& team : teams.legendTeams)
        legend.push_back(team.get());
    return BuildRealisticData(legend, sources);
}

void SetEngine(Session& session, EngineKind kind, std::shared_ptr<const RealisticData> data) {
    GameState& game = session.game;
    if (kind == EngineKind::Classic) {
        game.model.reset();
        return;
    }
    if (!data) {
        std::vector<const TeamRecord*> teams;
        for (const GameSide* side : {&game.visitor, &game.home})
            if (side->team) teams.push_back(side->team);
        data = BuildRealisticData(teams, {});
    }
    game.model = std::make_shared<RealisticGame>(std::move(data), game);
}

EngineKind EngineOf(const GameState& game) {
    return game.model ? game.model->Kind() : EngineKind::Classic;
}

}  // namespace velmoro
