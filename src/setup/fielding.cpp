#include "setup/fielding.h"

#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "engine/session.h"
#include "setup/lineup.h"
#include "setup/team_prep.h"

namespace velmoro {

namespace {

constexpr int kInfieldBits = FirstBase | SecondBase | ThirdBase | Shortstop;

// By defence slot, P C 1B 2B SS 3B LF CF RF DH: the position a page asks for (the
// designated hitter's page takes anyone) and its name in messages.
constexpr std::array<int, 10> kSlotBits{Pitcher,   Catcher,  FirstBase, SecondBase, Shortstop,
                                        ThirdBase, Outfield, Outfield,  Outfield,   0};
constexpr std::array<const char*, 10> kSlotWords{
    "pitcher",    "catcher",    "first base",   "second base", "shortstop",
    "third base", "left field", "center field", "right field", "designated hitter"};

// The team's names, each with every position its players of that name carry: the pages
// tell players apart by name.
struct Names {
    std::vector<std::string> names;
    std::vector<int> bits;

    void Add(const PlayerRecord& player) {
        const auto at = std::find(names.begin(), names.end(), player.name);
        if (at != names.end()) {
            bits[static_cast<std::size_t>(at - names.begin())] |= player.positions;
            return;
        }
        names.push_back(player.name);
        bits.push_back(player.positions);
    }
};

// Places still to fill, each with the names it can take: a matching of places to names.
class Matching {
  public:
    void AddPlace(int slot, std::vector<int> names) {
        slots_.push_back(slot);
        eligible_.push_back(std::move(names));
    }

    // A place can take a name of its own position or any infielder.
    void AddOpenPlace(int slot, const Names& names, const std::vector<bool>& taken) {
        std::vector<int> eligible;
        for (std::size_t n = 0; n < names.names.size(); ++n) {
            const bool fits = slot == DesignatedHitterSlot ||
                              (names.bits[n] & (kSlotBits[slot] | kInfieldBits)) != 0;
            if (fits && !taken[n]) eligible.push_back(static_cast<int>(n));
        }
        AddPlace(slot, std::move(eligible));
    }

    // The slots of places that have fewer names between them than they are (empty when
    // every place is filled), and how many names they share.
    std::vector<int> Shortage(std::size_t names, int& shared) {
        owner_.assign(names, -1);
        for (std::size_t p = 0; p < slots_.size(); ++p) {
            seen_.assign(names, false);
            if (Augment(static_cast<int>(p))) continue;
            // Every name reached is held by a place reached: they lack one name.
            std::vector<int> short_{slots_[p]};
            shared = 0;
            for (std::size_t n = 0; n < names; ++n)
                if (seen_[n]) ++shared, short_.push_back(slots_[owner_[n]]);
            std::sort(short_.begin(), short_.end());
            return short_;
        }
        return {};
    }

  private:
    bool Augment(int place) {
        for (int n : eligible_[place]) {
            if (seen_[n]) continue;
            seen_[n] = true;
            if (owner_[n] < 0 || Augment(owner_[n])) {
                owner_[n] = place;
                return true;
            }
        }
        return false;
    }

    std::vector<int> slots_;
    std::vector<std::vector<int>> eligible_;
    std::vector<int> owner_;
    std::vector<bool> seen_;
};

Names NamesOf(const TeamRecord& team) {
    Names names;
    for (const auto& player : team.players)
        names.Add(*player);
    return names;
}

int IndexOf(const Names& names, const std::string& name) {
    const auto at = std::find(names.names.begin(), names.names.end(), name);
    return static_cast<int>(at - names.names.begin());
}

// "pitcher, catcher and first base".
std::string PlaceList(const std::vector<int>& slots) {
    std::string text;
    for (std::size_t i = 0; i < slots.size(); ++i)
        text += (i == 0                  ? ""
                 : i + 1 == slots.size() ? " and "
                                         : ", ") +
                std::string(kSlotWords[slots[i]]);
    return text;
}

// What IsTeamPlayable finds missing.
std::string PlayableLack(const TeamRecord& team) {
    int counts[8] = {};
    for (const auto& player : team.players)
        for (int bit = 0; bit < 8; ++bit)
            if (player->positions & (1 << bit)) ++counts[bit];
    if (team.players.size() < 9)
        return fmt::format("{} players, fewer than 9", team.players.size());
    if (counts[6] < 3) return fmt::format("{} outfielders, fewer than 3", counts[6]);
    for (int slot = 0; slot < 6; ++slot)
        if (counts[std::countr_zero(static_cast<unsigned>(kSlotBits[slot]))] == 0)
            return fmt::format("no {}", kSlotWords[slot]);
    return "no team";
}

}  // namespace

Status CheckFielding(const TeamRecord& team, bool designatedHitter) {
    if (!IsTeamPlayable(&team))
        return Status::Error(team.name + " cannot be fielded: " + PlayableLack(team));
    // The pitcher's page as the set-up shows it, on a copy the preparation may reorder.
    Session scratch;
    TeamRecord copy(team.name);
    CopyPlayers(team, copy);
    const SetupState setup;
    scratch.game.visitor.team = &copy;
    PrepareSide(scratch, Side::Visitors);
    StartLineupPages(scratch, &copy, &copy, designatedHitter);
    const Names names = NamesOf(copy);
    Matching matching;
    std::vector<int> pitchers;
    for (const std::string& name : LineupCandidates(scratch.game, setup))
        pitchers.push_back(IndexOf(names, name));
    matching.AddPlace(PitcherSlot, std::move(pitchers));
    const std::vector<bool> none(names.names.size(), false);
    for (int slot = CatcherSlot; slot <= (designatedHitter ? DesignatedHitterSlot : RightFieldSlot);
         ++slot)
        matching.AddOpenPlace(slot, names, none);
    int shared = 0;
    const std::vector<int> short_ = matching.Shortage(names.names.size(), shared);
    if (short_.empty()) return OkStatus();
    const std::size_t places = designatedHitter ? 10 : 9;
    return Status::Error(fmt::format("{} cannot be fielded: {} player{} for the {} places of {}",
                                     team.name, shared, shared == 1 ? "" : "s", short_.size(),
                                     short_.size() < places ? PlaceList(short_)
                                     : designatedHitter     ? "a lineup with a designated hitter"
                                                            : "a lineup"));
}

bool RestCanBeFielded(const Session& session, const SetupState& setup, const std::string& name) {
    const GameState& game = session.game;
    const int chosen = SlotBeingChosen(setup);
    const Names names = NamesOf(*TeamBeingSetUp(game, setup));
    std::vector<bool> taken(names.names.size(), false);
    const auto& defense = game.SideOf(setup.setupSide).defense;
    for (int slot = 0; slot < chosen; ++slot)
        if (defense[slot]) taken[IndexOf(names, defense[slot]->name)] = true;
    taken[IndexOf(names, name)] = true;
    Matching matching;
    for (int slot = chosen + 1; slot <= RightFieldSlot; ++slot)
        matching.AddOpenPlace(slot, names, taken);
    if (game.designatedHitter && chosen != DesignatedHitterSlot)
        matching.AddOpenPlace(DesignatedHitterSlot, names, taken);
    int shared = 0;
    return matching.Shortage(names.names.size(), shared).empty();
}

}  // namespace velmoro
