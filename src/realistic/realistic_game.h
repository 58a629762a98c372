// One realistic game: the players of both teams as the model plays them, the context of
// the home club's league-season and park, and each side's defence. Made when the teams
// are set (SetEngine) and then only read: copies of the game share it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "engine/play_model.h"
#include "realistic/realistic_data.h"

namespace velmoro {

class Random;

// A side in the field: its chances of letting a batter reach on an error, of an error
// that gives every runner a further base on a hit, and of turning a double play.
struct Defence {
    double reachOnError = 0;
    double extraBaseError = 0;
    double doublePlay = 0;
};

class RealisticGame final : public PlayModel {
  public:
    RealisticGame(std::shared_ptr<const RealisticData> data, const GameState& game);
    RealisticGame(const RealisticGame&) = delete;
    RealisticGame& operator=(const RealisticGame&) = delete;

    EngineKind Kind() const override { return EngineKind::Realistic; }
    PlayResult PlateAppearance(Session& session, int defensiveChoice) const override;
    std::optional<PlayResult> Sacrifice(Session& session) const override;
    std::optional<PlayResult> Steal(Session& session) const override;
    std::optional<PlayResult> SqueezePlay(Session& session) const override;

    // The chances of each outcome for the batter at the plate against the pitcher on the
    // mound, as the next plate appearance draws them.
    plate::Rates Chances(const GameState& game) const;

    const PlayerModel& Player(Side side, const PlayerRecord* player) const;
    const Defence& DefenceOf(Side side) const { return defence_[side == Side::Home]; }
    const LeagueContext& Context() const { return context_; }

    // The rates of the next plate appearance before they are scaled; returns their sum.
    double UnscaledChances(const GameState& game, plate::Rates& rates) const;

  private:
    struct Entry {
        const PlayerRecord* record = nullptr;
        const PlayerModel* model = nullptr;  // the data's, or one of unknown_'s
        plate::Rates battingInContext{};     // his relative odds x the context's, in the park
        // His platoon factor on hits and walks with the advantage and without it.
        double platoonWith = 1, platoonWithout = 1;
    };
    using Roster = std::vector<Entry>;
    Roster ModelSide(const GameSide& side, const TeamContext* team,
                     std::vector<PlayerModel>& unknown) const;
    Defence DefenceFor(const TeamContext* team) const;
    const Entry* Find(Side side, const PlayerRecord* player) const;

    std::shared_ptr<const RealisticData> data_;
    LeagueContext context_;
    plate::Rates parkFactor_{};
    std::array<Roster, 2> rosters_;
    // Each roster's players by address, searched at every plate appearance: an open
    // table of roster indexes + 1 (0 empty), probed from the address's hash.
    static constexpr std::size_t kTableSize = 512;  // twice the largest roster
    std::array<std::array<std::uint16_t, kTableSize>, 2> table_{};
    static std::size_t Slot(const PlayerRecord* player) {
        return (reinterpret_cast<std::uintptr_t>(player) >> 4) % kTableSize;
    }
    std::array<Defence, 2> defence_;
    PlayerModel averageModel_;
    Entry average_;
    // Players the data does not know (a team changed since it was loaded), modelled here;
    // reserved for the whole roster so that entries may point into it.
    std::array<std::vector<PlayerModel>, 2> unknown_;
};

// A draw in [0, 1) from the game's random source (two draws of it).
double Uniform(Random& random);

}  // namespace velmoro
