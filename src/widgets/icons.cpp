#include "widgets/icons.h"

QIcon themedIcon(const QString& name) {
    return QIcon::fromTheme(name,
                            QIcon(QStringLiteral(":/icons/") + name + QStringLiteral(".svg")));
}
