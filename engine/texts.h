#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for the translation tools where it stands, and is the text
// itself: the engine shows nothing and knows no language. The windows put a
// marked text into the player's language where they show it. The translation
// tools take this as their QT_TRANSLATE_NOOP (QT_TRANSLATE_N_NOOP for a
// counted text, whose plural form each language chooses by its %n).
#define QUILLORY_TEXT(context, source) source
#define QUILLORY_COUNTED_TEXT(context, source) source

// What the game says to the player while it plays, each text in one place.
// A sentence with a number in it takes the number as %1, %2 (or %n), so that
// every language can put its words in its own order.
namespace engine::texts {

// The translation context of the texts below.
inline constexpr char kContext[] = "Game";

inline constexpr char kNoOperator[] = QUILLORY_TEXT("Game", "You must select at least one operator");
inline constexpr char kNoLevel[] = QUILLORY_TEXT("Game", "You must select at least one game level");

inline constexpr char kStart[] = QUILLORY_TEXT("Game", "Start");
inline constexpr char kNext[] = QUILLORY_TEXT("Game", "Next");
inline constexpr char kQuestion[] = QUILLORY_TEXT("Game", "Question %1");

inline constexpr char kCountdown[] =
    QUILLORY_COUNTED_TEXT("Game", "You have %n seconds to answer this question.");
inline constexpr char kTimeIsOver[] = QUILLORY_TEXT("Game", "Time is over.");
inline constexpr char kBarAtRest[] = QUILLORY_TEXT("Game", "Progress Bar");

inline constexpr char kThatsCorrect[] = QUILLORY_TEXT("Game", "That's correct!");
inline constexpr char kWrongAnswerIs[] = QUILLORY_TEXT("Game", "Wrong! Answer: %1");
inline constexpr char kCorrect[] = QUILLORY_TEXT("Game", "Correct!");
inline constexpr char kWrong[] = QUILLORY_TEXT("Game", "Wrong!");
inline constexpr char kScoreLine[] = QUILLORY_TEXT("Game", "Your score is %1 in %2 total questions.");

// How the operators are spoken ("7 plus 9").
inline constexpr char kPlus[] = QUILLORY_TEXT("Game", "plus");
inline constexpr char kMinus[] = QUILLORY_TEXT("Game", "minus");
inline constexpr char kTimes[] = QUILLORY_TEXT("Game", "times");
inline constexpr char kDividedBy[] = QUILLORY_TEXT("Game", "divided by");

}  // namespace engine::texts

namespace engine {

// A marked text as an English desktop shows it: the source itself, its %1,
// %2, ... (and %n, the count) replaced by the numbers in order, as plain
// ASCII digits.
std::string english(std::string_view source, std::initializer_list<long long> numbers = {});

}  // namespace engine
