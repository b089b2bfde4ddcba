#pragma once

#include <QList>

class QWidget;

// The widgets Tab reaches in a window, in the order its layouts place them: rows top to
// bottom, left to right within a row, a group's contents where the group stands.
QList<QWidget*> widgetsInLayoutOrder(QWidget* window);
// Makes Tab follow that order.
void orderTabsByLayout(QWidget* window);
