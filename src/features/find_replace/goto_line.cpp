#include "features/find_replace/goto_line.h"

std::optional<int> gotoLineTarget(const QString& answer, int lineCount) {
    const QString number = answer.trimmed();
    qsizetype i = 0;
    const bool negative = number.startsWith(u'-');
    if (negative || number.startsWith(u'+'))
        i = 1;
    if (i == number.size())
        return std::nullopt;
    for (qsizetype k = i; k < number.size(); ++k)
        if (number[k] < u'0' || number[k] > u'9')
            return std::nullopt;
    const int last = qMax(lineCount, 1) - 1;
    if (negative)
        return 0;
    // Any run of digits is a line number; one past the end, however long, means the last line.
    bool fits = false;
    const qlonglong line = number.mid(i).toLongLong(&fits);
    if (!fits || line > last + 1)
        return last;
    return line <= 0 ? 0 : int(line - 1);
}
