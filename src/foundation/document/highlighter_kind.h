#pragma once

#include <QString>

enum class HighlighterKind { Html, Css, JavaScript, Xml, Php };

// By the lower-cased extension: .css, .js, .xml, .php; everything else is HTML.
HighlighterKind highlighterForPath(const QString& path);
