#pragma once

#include <QString>

#include <span>

class MessageTable;

enum class CaptionKind { Caption, Hint };

// One control whose caption or hint comes from a message line at every language switch.
struct CaptionAssignment {
    const char* objectName;
    int line;
    CaptionKind kind;
};

// Every caption and hint the language switch rewrites, in message-line order. A control may
// appear twice (line 184 is the FTP button's hint and the FTP item's caption).
std::span<const CaptionAssignment> captionAssignments();

// The prefix of the twenty bookmark items of the editor's pop-up menu.
inline constexpr int BookmarkCaptionLine = 213;

// "Bookmark 0" ... "Bookmark 9" in the active language.
QString bookmarkItemCaption(const MessageTable& table, int digit);
