#include "foundation/messages/captions.h"

#include "foundation/messages/message_table.h"

QString bookmarkItemCaption(const MessageTable& table, int digit) {
    return table.message(BookmarkCaptionLine) + QString::number(digit);
}
