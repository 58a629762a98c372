// Teams, a recording screen and draw control for the engine tests and benchmark.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "db/records.h"
#include "engine/display.h"
#include "engine/plate_appearance.h"
#include "engine/session.h"

namespace velmoro::testing {

// A 25-player team: players 0..7 the fielders (C, 1B, 2B, SS, 3B, LF, CF, RF), 8 a
// designated hitter, 9..15 the bench, 16..24 pitchers. `strength` shifts the lines so
// that two teams differ.
TeamRecord& MakeTeam(TeamList& list, const std::string& name, int strength);

// Lineups and defences as the set-up would leave them: fielders bat 1..8, the pitcher
// (or the designated hitter) ninth; `pitcher` is the index of the starter among 16..24.
void SetUpSide(GameState& game, int sideNumber, TeamRecord& team, bool designatedHitter,
               int pitcher = 16);

// Both sides set up and the play screen opened on the game.
void SetUpGame(Session& session, TeamRecord& visitors, TeamRecord& home, bool designatedHitter);

// A table on which every draw gives `result`.
OutcomeTable AlwaysTable(PlateResult result);
// Every slot of a side draws `result` from now on.
void ForceSide(GameState& game, int sideNumber, PlateResult result);

// Seeds the generator so that its next value satisfies `wanted`.
void ArrangeNextValue(Random& random, const std::function<bool(int)>& wanted);

// Slot+1 per runner as the queue stores them.
void PlaceRunners(GameState& game, int bases, std::vector<int> slots);

// Records what the engine shows, one text per call.
class RecordingDisplay : public Display {
  public:
    std::vector<std::string> calls;
    std::string lastLog;
    int logUpdates = 0;
    std::function<void()> onForcedSubstitution;

    void ShowTeamNames() override { calls.push_back("ShowTeamNames"); }
    void ShowPitcher(const PlayerRecord& pitcher) override {
        calls.push_back("ShowPitcher " + pitcher.name);
    }
    void ShowHitter(const PlayerRecord& hitter) override {
        calls.push_back("ShowHitter " + hitter.name);
    }
    void ShowLineup() override { calls.push_back("ShowLineup"); }
    void ShowLineupRow(int slot) override {
        calls.push_back("ShowLineupRow " + std::to_string(slot));
    }
    void RefreshPlayScreen() override { calls.push_back("RefreshPlayScreen"); }
    void ShowInningCaption(const std::string& text) override { calls.push_back("Inning " + text); }
    void ShowOutsCaption(const std::string& text) override { calls.push_back("Outs " + text); }
    void ShowScoreBox(int side, int box, const std::string& text) override {
        calls.push_back("Box " + std::to_string(side) + " " + std::to_string(box) + " " + text);
    }
    void ShowLog(const std::string& playLog) override {
        lastLog = playLog;
        ++logUpdates;
    }
    void ResetChoices(bool offensive, bool defensive) override {
        calls.push_back(std::string("ResetChoices ") + (offensive ? "1" : "0") +
                        (defensive ? "1" : "0"));
    }
    void ShowMessage(const std::string& text, const std::string& caption) override {
        calls.push_back("Message " + caption + ": " + text);
    }
    void ForcedSubstitution() override {
        calls.push_back("ForcedSubstitution");
        if (onForcedSubstitution) onForcedSubstitution();
    }
    void RequestGameOver() override { calls.push_back("GameOver"); }

    int Count(const std::string& call) const;
    bool Has(const std::string& call) const { return Count(call) > 0; }
    std::vector<std::string> Messages() const;
};

}  // namespace velmoro::testing
