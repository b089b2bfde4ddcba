#pragma once

#include <QString>

class MarkupText;

// Puts double quotes around attribute values, from the first "<body" (any case) or, without
// one, from the start. Only an "=" inside a tag counts: one that follows a "<" with no ">"
// between them. Running text such as "E=mc2" or "x = 5" keeps what it says.
//
// An unquoted value gets a quote after its "=" and the two characters "\" " before the blank
// or ">" that ends it, looked for among the next 300 characters; a double quote there, or none
// of the three, leaves it without a closing quote. A quoted value is passed over up to its
// closing quote and one more character. After quoting a value the search goes on two
// characters further than it started, which normally finds the same "=" again, now quoted.
//
// It works on the text with its protected texts masked (ProtectedTexts): a quoted value is a
// placeholder, and the ">" that ends a placeholder ends no value.
//
// Built in one pass: the quotes are kept as a short list of pending insertions and handed out
// once the search has passed them.
QString quoteAttributeValues(const QString& text);
// Returns how many values got quotes.
int quoteAttributeValues(MarkupText& text);
