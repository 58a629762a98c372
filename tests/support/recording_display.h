// A Display that records what the engine shows, one text per call, for tests to compare.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "engine/display.h"

namespace velmoro::testing {

class RecordingDisplay : public Display {
  public:
    std::vector<std::string> calls;
    void Call(std::string what, std::string_view text) { calls.push_back(what.append(text)); }
    // Runs where the play screen would open the substitution window in its forced mode.
    std::function<void(Side)> onForcedSubstitution;

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
    void ShowInningCaption(std::string_view text) override { Call("Inning ", text); }
    void ShowOutsCaption(std::string_view text) override { Call("Outs ", text); }
    void ShowScoreBox(Side side, int box, std::string_view text) override {
        Call("Box " + std::to_string(SideNumber(side)) + " " + std::to_string(box) + " ", text);
    }
    void ResetChoices(bool offensive, bool defensive) override {
        calls.push_back(std::string("ResetChoices ") + (offensive ? "1" : "0") +
                        (defensive ? "1" : "0"));
    }
    void ShowMessage(const std::string& text, const std::string& caption) override {
        calls.push_back("Message " + caption + ": " + text);
    }
    void ForcedSubstitution(Side side) override {
        calls.push_back("ForcedSubstitution");
        Display::ForcedSubstitution(side);  // the demand, as a display that answers none shows it
        if (onForcedSubstitution) onForcedSubstitution(side);
    }
    void RequestGameOver() override { calls.push_back("GameOver"); }

    int Count(const std::string& call) const {
        return static_cast<int>(std::count(calls.begin(), calls.end(), call));
    }
    bool Has(const std::string& call) const { return Count(call) > 0; }
    // The calls that start with `prefix` ("Message ", "ShowHitter "), oldest first.
    std::vector<std::string> Starting(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& call : calls) {
            if (call.rfind(prefix, 0) == 0) found.push_back(call);
        }
        return found;
    }
    std::vector<std::string> Messages() const { return Starting("Message "); }
    void Clear() { calls.clear(); }
};

}  // namespace velmoro::testing
