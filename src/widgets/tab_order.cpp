#include "widgets/tab_order.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLayout>
#include <QScrollArea>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

namespace {

void addWidget(QWidget* widget, QList<QWidget*>& order);

void addLayout(QLayout* layout, QList<QWidget*>& order) {
    if (!layout)
        return;
    struct Placed {
        int row;
        int column;
        QLayoutItem* item;
    };
    QList<Placed> items;
    for (int i = 0; i < layout->count(); ++i) {
        Placed placed{i, 0, layout->itemAt(i)};
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            int rowSpan = 0;
            int columnSpan = 0;
            grid->getItemPosition(i, &placed.row, &placed.column, &rowSpan, &columnSpan);
        } else if (auto* form = qobject_cast<QFormLayout*>(layout)) {
            QFormLayout::ItemRole role;
            form->getItemPosition(i, &placed.row, &role);
            placed.column = role == QFormLayout::LabelRole ? 0 : 1;
        }
        items << placed;
    }
    std::stable_sort(items.begin(), items.end(), [](const Placed& a, const Placed& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    for (const Placed& placed : std::as_const(items)) {
        if (QWidget* widget = placed.item->widget())
            addWidget(widget, order);
        else
            addLayout(placed.item->layout(), order);
    }
}

void addWidget(QWidget* widget, QList<QWidget*>& order) {
    if (widget->focusPolicy() & Qt::TabFocus)
        order << widget;
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        for (int i = 0; i < tabs->count(); ++i)
            addLayout(tabs->widget(i)->layout(), order);
    } else if (auto* scroll = qobject_cast<QScrollArea*>(widget)) {
        if (scroll->widget())
            addLayout(scroll->widget()->layout(), order);
    } else {
        addLayout(widget->layout(), order);
    }
}

} // namespace

QList<QWidget*> widgetsInLayoutOrder(QWidget* window) {
    QList<QWidget*> order;
    addLayout(window->layout(), order);
    return order;
}

void orderTabsByLayout(QWidget* window) {
    const QList<QWidget*> order = widgetsInLayoutOrder(window);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
