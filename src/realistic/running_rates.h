// How runners move on the plays of the realistic engine: shares of the play-by-play
// record of recent decades (Retrosheet-based tables of advancement, as in Tango,
// Lichtman & Dolphin, The Book, 2007), the same for every era.
#pragma once

namespace velmoro {

// Outs in play: on the ground, in the air deep enough to tag up, and the rest (pop-ups
// and liners) that move nobody.
inline constexpr double kGroundShare = 0.48;
inline constexpr double kFlyShare = 0.34;

inline double ScoreFromSecondOnSingle(bool twoOuts) {
    return twoOuts ? 0.86 : 0.58;
}
inline double FirstToThirdOnSingle(bool twoOuts) {
    return twoOuts ? 0.35 : 0.27;
}
inline double ScoreFromFirstOnDouble(bool twoOuts) {
    return twoOuts ? 0.62 : 0.40;
}

inline constexpr double kScoreOnFlyOut = 0.55;
inline constexpr double kSecondToThirdOnFlyOut = 0.25;
inline constexpr double kScoreOnGroundOut = 0.55;
inline constexpr double kScoreOnGroundOutInfieldIn = 0.20;
inline constexpr double kSecondToThirdOnGroundOut = 0.65;
// A ground out with a runner on first that is no double play: the force at second.
inline constexpr double kForceAtSecond = 0.45;
// Ground balls that get through a drawn-in infield for a single.
inline constexpr double kInfieldInHits = 0.125;

}  // namespace velmoro
