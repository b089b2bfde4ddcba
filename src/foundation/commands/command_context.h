#pragma once

class EditorBuffer;
class MessageTable;
class Prompter;

// What a document command works on: the editor, the questions it may ask and the
// message table of the current language. The window and hexlume-cli both hand one in.
struct CommandContext {
    EditorBuffer& editor;
    Prompter& prompter;
    const MessageTable& messages;
};
