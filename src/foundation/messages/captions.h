#pragma once

#include <QString>

class MessageTable;

// How a message line names a control: a menu's or menu item's caption, or a toolbar button's
// hint (its text, tooltip and status tip).
enum class CaptionKind { Caption, Hint };

// The prefix of the twenty bookmark items of the editor's pop-up menu.
inline constexpr int BookmarkCaptionLine = 213;

// "Bookmark 0" ... "Bookmark 9" in the active language.
QString bookmarkItemCaption(const MessageTable& table, int digit);
