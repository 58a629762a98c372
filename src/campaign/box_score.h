// A game of a managed season and its box score, as the season file keeps them.
#pragma once

#include <string>
#include <vector>

namespace velmoro {

// One game of the schedule. Ids are schedule indexes: games in order of their day, then
// as the schedule pairs them.
struct SeasonGame {
    int id = 0;
    int day = 0;      // from 0
    int visitor = 0;  // club indexes (Season::teams)
    int home = 0;
    bool played = false;
    int visitorRuns = 0;
    int homeRuns = 0;
};

// A box score as the file keeps it.
struct BoxScoreBatter {
    std::string name;
    std::string position;  // "cf", "ph", ...
    int atBats = 0, runs = 0, hits = 0, doubles = 0, triples = 0, homeRuns = 0, rbi = 0, walks = 0,
        strikeouts = 0, stolenBases = 0;
};

struct BoxScorePitcher {
    std::string name;
    int outs = 0, hits = 0, runs = 0, walks = 0, strikeouts = 0;
    std::string decision;  // "W", "L", "S" or empty
};

struct BoxScoreSide {
    std::vector<int> innings;  // runs per inning, extra innings included
    int runs = 0, hits = 0, errors = 0;
    std::vector<BoxScoreBatter> batters;  // in batting order, substitutes after the man replaced
    std::vector<BoxScorePitcher> pitchers;
};

struct BoxScore {
    SeasonGame game;
    BoxScoreSide visitor;
    BoxScoreSide home;
};

}  // namespace velmoro
