#pragma once

#include <QColor>
#include <QMarginsF>
#include <QString>

class QPrinter;

// How a document looks on paper: its plain text in Arial 8 pt, navy, with margins of 1 cm on
// the left and 0.5 cm elsewhere, measured from the paper's edge.
namespace print_setup {
inline constexpr const char* FontFamily = "Arial";
inline constexpr int FontPoints = 8;
inline const QColor Colour(0, 0, 128);
inline constexpr QMarginsF MarginsMm = QMarginsF(10, 5, 5, 5);
} // namespace print_setup

// Prints the text on the printer as it is set up (a device or a PDF file); false when the printer
// could not be started, e.g. a PDF file that cannot be written. Lines longer than the page wrap.
bool printPlainText(const QString& text, QPrinter& printer);
