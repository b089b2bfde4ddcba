#pragma once

#include <QString>

#include <optional>

// The input box of "Goto line": its title and the lines of the message table it shows.
namespace goto_line {
inline constexpr const char* Title = "GoTo";
inline constexpr int PromptLine = 30;
inline constexpr int InvalidLine = 31;
} // namespace goto_line

// The 0-based line the caret goes to for the typed answer (a 1-based line number), held to the
// document's lines; nothing when the answer is no whole number, which also covers a cancelled
// box. Blanks around the number are allowed.
std::optional<int> gotoLineTarget(const QString& answer, int lineCount);
