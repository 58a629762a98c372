// How runners move on the plays of the realistic engine: shares of the play-by-play
// record of recent decades (Retrosheet-based tables of advancement, as in Tango,
// Lichtman & Dolphin, The Book, 2007), the same for every era. The shares on hits count
// every hit, infield singles among them, so they sit below the tables' outfield hits.
// The sacrifice fly share is set so that the replays' sacrifice flies come near the
// record's (about 0.24 a team game since 1954).
#pragma once

namespace velmoro {

// Outs in play: on the ground, in the air deep enough to tag up, and the rest (pop-ups
// and liners) that move nobody.
inline constexpr double kGroundShare = 0.48;
inline constexpr double kFlyShare = 0.34;

inline double ScoreFromSecondOnSingle(bool twoOuts) {
    return twoOuts ? 0.80 : 0.45;
}
inline double FirstToThirdOnSingle(bool twoOuts) {
    return twoOuts ? 0.30 : 0.24;
}
inline double ScoreFromFirstOnDouble(bool twoOuts) {
    return twoOuts ? 0.58 : 0.35;
}

// A runner who goes for the extra base on a hit is thrown out this often (in the
// replays about 0.08 outs a team game).
inline constexpr double kThrownOutGoing = 0.06;

inline constexpr double kScoreOnFlyOut = 0.80;
inline constexpr double kSecondToThirdOnFlyOut = 0.25;
inline constexpr double kScoreOnGroundOut = 0.55;
inline constexpr double kScoreOnGroundOutInfieldIn = 0.20;
inline constexpr double kSecondToThirdOnGroundOut = 0.65;
// A ground out with a runner on first that is no double play: the force at second.
inline constexpr double kForceAtSecond = 0.45;
// Ground balls that get through a drawn-in infield for a single.
inline constexpr double kInfieldInHits = 0.125;

}  // namespace velmoro
