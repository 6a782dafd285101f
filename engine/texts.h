#pragma once

#include <string_view>

// What the game says to the player while it plays, each text in one place.
namespace engine::texts {

inline constexpr std::string_view kNoOperator = "You must select at least one operator";
inline constexpr std::string_view kNoLevel = "You must select at least one game level";

inline constexpr std::string_view kStart = "Start";
inline constexpr std::string_view kNext = "Next";
inline constexpr std::string_view kQuestion = "Question ";

inline constexpr std::string_view kCountdownBefore = "You have ";
inline constexpr std::string_view kCountdownAfter = " seconds to answer this question.";
inline constexpr std::string_view kTimeIsOver = "Time is over.";
inline constexpr std::string_view kBarAtRest = "Progress Bar";

inline constexpr std::string_view kThatsCorrect = "That's correct!";
inline constexpr std::string_view kWrongAnswerIs = "Wrong! Answer: ";
inline constexpr std::string_view kCorrect = "Correct!";
inline constexpr std::string_view kWrong = "Wrong!";

}  // namespace engine::texts
