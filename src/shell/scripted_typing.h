#pragma once

class QWidget;

// Tests that end the editor the hard way (SIGKILL) need it to have been typed into first; the
// text in HEXLUME_TYPE_KEYS arrives as key presses once the event loop runs. Unset, nothing
// happens.
void typeScriptedKeys(QWidget* editor);
