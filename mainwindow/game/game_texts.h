// The game's own texts: captions, questions, results and history lines.
#pragma once

#include <string_view>

namespace morvik {

namespace texts {

inline constexpr std::string_view kStartGame = "&Start game";
inline constexpr std::string_view kRollDice = "&Roll Dice";
inline constexpr std::string_view kOk = "&Ok...?";
inline constexpr std::string_view kUndo = "&Undo";
inline constexpr std::string_view kGameHistory = "Game History:";
inline constexpr std::string_view kPlayerPrefix = "Player-1: ";
inline constexpr std::string_view kAsterisks = "**********************";
inline constexpr std::string_view kNewGame = "New game";
inline constexpr std::string_view kLookaheadOn = "Look-ahead enabled.";
inline constexpr std::string_view kLookaheadOff = "Look-ahead disabled.";

inline constexpr std::string_view kNewGameQuestion =
    "You mother fuckin\u00b4 son of a bitch - Are you trying to cheat ?";
inline constexpr std::string_view kAutoOkQuestion =
    "Note that enabling this feature, will make it impossible to undo moves after having moved "
    "the last checker in each move and in every case where you have no possible move - for "
    "instance such as when you can\u00b4t enter from the bar. Enable automatic OK-click anyway ?";
inline constexpr std::string_view kAutoRollQuestion =
    "Note that enabling this feature may result in the computer  moving so fast, that you will "
    "not have time to see the dice it has thrown nor its move, apart from in the history-box. "
    "Enable automatic roll-dice anyway ?";

inline constexpr std::string_view kPlayerResults[3] = {
    "Player-1 wins plain game.", "Player-1 wins a gammon.", "Player-1 wins a backgammon."};
inline constexpr std::string_view kComputerResults[3] = {
    "Computer wins plain game.", "Computer wins gammon.", "Computer wins backgammon."};
inline constexpr std::string_view kScoreIs = " The score is - ";

}  // namespace texts

}  // namespace morvik
