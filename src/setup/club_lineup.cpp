#include "setup/club_lineup.h"

#include <algorithm>
#include <cstdlib>

#include "engine/session.h"
#include "setup/batting_order.h"
#include "setup/lineup.h"
#include "setup/team_prep.h"

namespace velmoro {

namespace {

// The scarcest positions are filled first, so that a player planned at two of them is
// used where he is hardest to replace.
constexpr std::array<int, 9> kFillOrder{CatcherSlot,     ShortstopSlot, SecondBaseSlot,
                                        CenterFieldSlot, ThirdBaseSlot, RightFieldSlot,
                                        LeftFieldSlot,   FirstBaseSlot, DesignatedHitterSlot};

bool HasPlatoonEdge(char bats, char opponentThrows) {
    if (bats == 'B') return true;
    return (bats == 'L' && opponentThrows == 'R') || (bats == 'R' && opponentThrows == 'L');
}

bool Carries(const PlayerRecord& player, int slot) {
    static constexpr std::array<int, 10> kBits{Pitcher,   Catcher,   FirstBase, SecondBase,
                                               Shortstop, ThirdBase, Outfield,  Outfield,
                                               Outfield,  0};
    return kBits[static_cast<std::size_t>(slot)] == 0 ||
           player.HasPosition(static_cast<std::uint8_t>(kBits[static_cast<std::size_t>(slot)]));
}

double Quality(const PlannedPlayer& player) {
    return player.onBase * 1.8 + player.slugging;
}

// The best free hitter who carries the slot (a designated hitter: any non-pitcher).
int BestFreeHitter(const ClubPlan& plan, const TeamRecord& team, const std::vector<bool>& used,
                   int slot) {
    int best = -1;
    for (int p = 0; p < static_cast<int>(team.players.size()); ++p) {
        const PlannedPlayer& player = plan.players[static_cast<std::size_t>(p)];
        if (used[p] || !Carries(*team.players[p], slot) || player.pitcher) continue;
        if (slot == DesignatedHitterSlot && team.players[p]->HasPosition(Pitcher)) continue;
        if (best < 0 || Quality(player) > Quality(plan.players[static_cast<std::size_t>(best)]))
            best = p;
    }
    return best;
}

// The page's player: the lineup's, or the first free candidate planned nowhere else.
std::string PagePick(const GameState& game, const SetupState& setup, const ClubPlan& plan,
                     const DayLineup& lineup) {
    const int slot = SlotBeingChosen(setup);
    const int planned = lineup.starters[static_cast<std::size_t>(slot)];
    const TeamRecord* team = TeamBeingSetUp(game, setup);
    if (planned >= 0) {
        const std::string& name = plan.players[static_cast<std::size_t>(planned)].name;
        if (IsPlayerFree(game, setup, FindPlayer(team, name))) return name;
    }
    const std::vector<std::string> candidates = LineupCandidates(game, setup);
    for (const std::string& name : candidates) {
        const int p = plan.Find(name);
        if (std::find(lineup.starters.begin(), lineup.starters.end(), p) == lineup.starters.end())
            return name;
    }
    return candidates.empty() ? std::string() : candidates.front();
}

void PlanOrder(GameState& game, Side setupSide, const ClubPlan& plan) {
    GameSide& side = game.SideOf(setupSide);
    const int pitcherSlot = game.designatedHitter ? -1 : PitcherSlot;
    std::array<int, 9> batters{};
    std::array<PlayerRecord*, 9> records{};
    int pitcher = -1;
    for (int i = 0; i < 9; ++i) {
        records[i] = side.defense[i == 0 && pitcherSlot < 0 ? DesignatedHitterSlot : i];
        batters[i] = plan.Find(records[i]->name);
        if (i == pitcherSlot) pitcher = batters[i];
    }
    const std::array<int, 9> order = PlanBattingOrder(plan, batters, pitcher);
    for (int entry = 0; entry < 9; ++entry) {
        const auto at = std::find(batters.begin(), batters.end(), order[entry]);
        side.lineup[entry] = records[static_cast<std::size_t>(at - batters.begin())];
    }
    side.lineup[kPitcherEntry] = side.defense[PitcherSlot];
}

}  // namespace

DayLineup ClubLineup(const ClubPlan& plan, const TeamRecord& team, const StartCounts& starts,
                     int gamesSoFar, int starter, char opponentThrows, bool designatedHitter) {
    DayLineup lineup;
    std::vector<bool> used(team.players.size(), false);
    lineup.starters[PitcherSlot] = starter;
    if (starter >= 0) used[static_cast<std::size_t>(starter)] = true;
    const auto open = [&](int slot) {
        return lineup.starters[static_cast<std::size_t>(slot)] < 0 &&
               (slot != DesignatedHitterSlot || designatedHitter);
    };
    // The largest deficit of any free player at any open position goes first, until
    // no planned player is left for an open position.
    for (;;) {
        int pick = -1, at = -1;
        double best = 0;
        for (int slot : kFillOrder) {
            if (!open(slot)) continue;
            for (const PlanShare& share : plan.positions[static_cast<std::size_t>(slot)]) {
                if (used[static_cast<std::size_t>(share.player)]) continue;
                const PlannedPlayer& player = plan.players[static_cast<std::size_t>(share.player)];
                const double deficit =
                    share.share * (gamesSoFar + 1) - starts[share.player][slot] +
                    (HasPlatoonEdge(player.bats, opponentThrows) ? kPlatoonWeight : 0);
                if (pick < 0 || deficit > best) pick = share.player, at = slot, best = deficit;
            }
        }
        if (pick < 0) break;
        lineup.starters[static_cast<std::size_t>(at)] = pick;
        used[static_cast<std::size_t>(pick)] = true;
    }
    for (int slot : kFillOrder) {
        if (!open(slot)) continue;
        const int pick = BestFreeHitter(plan, team, used, slot);
        lineup.starters[static_cast<std::size_t>(slot)] = pick;
        if (pick >= 0) used[static_cast<std::size_t>(pick)] = true;
    }
    return lineup;
}

void CountStarts(const DayLineup& lineup, StartCounts& starts) {
    for (int slot = 0; slot < 10; ++slot)
        if (const int p = lineup.starters[static_cast<std::size_t>(slot)]; p >= 0)
            ++starts[p][slot];
}

bool FillSideFromLineup(GameState& game, SetupState& setup, const ClubPlan& plan,
                        const DayLineup& lineup) {
    for (;;) {
        const std::string name = PagePick(game, setup, plan, lineup);
        if (name.empty() || !SelectLineupCandidate(game, setup, name)) return false;
        if (AdvanceLineupPage(game, setup)) break;
    }
    PlanOrder(game, setup.setupSide, plan);
    return true;
}

Status FillClubLineup(GameState& game, Side side, const std::vector<PlayerUsage>& rows) {
    GameSide& own = game.SideOf(side);
    if (!own.team || !own.defense[PitcherSlot]) return Status::Error("no team to set up");
    const TeamRecord& team = *own.team;
    std::vector<const PlayerUsage*> matched(team.players.size(), nullptr);
    const PlayerUsage* opponent = nullptr;
    const PlayerRecord* opposing = game.SideOf(OtherSide(side)).defense[PitcherSlot];
    const TeamRecord* other = game.SideOf(OtherSide(side)).team;
    bool any = false;
    for (const PlayerUsage& row : rows) {
        if (opposing && other && row.team == other->name && row.player == opposing->name)
            opponent = &row;
        if (row.team != team.name) continue;
        for (std::size_t p = 0; p < team.players.size(); ++p)
            if (!matched[p] && team.players[p]->name == row.player) matched[p] = &row, any = true;
    }
    const ClubPlan plan = MakeClubPlan(team, matched, std::atoi(TeamYear(team.name).c_str()));
    if (!any || !plan.Usable())
        return Status::Error(team.name + " has no lines in the players' file");
    const DayLineup day = ClubLineup(plan, team, StartCounts(team.players.size()), 0,
                                     plan.Find(own.defense[PitcherSlot]->name),
                                     opponent ? opponent->throws : ' ', game.designatedHitter);
    const std::array<PlayerRecord*, 10> kept = own.defense;
    const std::array<PlayerRecord*, 10> keptOrder = own.lineup;
    own.defense.fill(nullptr);
    SetupState setup;
    setup.setupSide = side;
    if (FillSideFromLineup(game, setup, plan, day)) return OkStatus();
    own.defense = kept;
    own.lineup = keptOrder;
    return Status::Error(team.name + " cannot be fielded from its lines");
}

bool PlannedSetup(Session& session, TeamRecord& visitors, TeamRecord& home, bool designatedHitter,
                  const ClubPlan* plans[2], const DayLineup lineups[2], std::string* error) {
    SetupState setup;
    GameState& game = session.game;
    PrepareBothTeams(session, visitors, home, designatedHitter);
    if (FillSideFromLineup(game, setup, *plans[0], lineups[0])) {
        SwitchToHomeSide(session, setup);
        if (FillSideFromLineup(game, setup, *plans[1], lineups[1])) {
            FinishSetup(session);
            return true;
        }
    }
    if (error)
        *error = visitors.name + " and " + home.name + " cannot both be fielded from their plans";
    return false;
}

}  // namespace velmoro
