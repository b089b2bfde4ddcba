#include "foundation/messages/captions.h"

#include "foundation/messages/messages.h"

QString bookmarkItemCaption(const MessageTable& table, int digit) {
    return table.message(BookmarkCaptionLine) + QString::number(digit);
}
