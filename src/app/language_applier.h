#pragma once

class MessageTable;
class QWidget;

// Rewrites every caption and hint the message table assigns to a control of the window,
// found by its object name, and the twenty bookmark items.
void applyCaptions(QWidget* window, const MessageTable& table);
