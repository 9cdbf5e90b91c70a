// The fonts and page colours of the windows and panes.
//
// The program was laid out in "MS Sans Serif" at 9.75 pt bold, 13 px at
// 96 dpi. Sizes are set in pixels because the layout is absolute in pixels:
// a desktop with another font DPI must not push text out of the panes.
// Liberation Sans stands in for it on every platform: its widest line of
// the exercise fits the 825 px panes (DejaVu Sans' does not), and the faces
// the program draws with are compiled in, so that the layout measured here
// holds wherever it runs, whichever Liberation package a system has.
#pragma once

#include "stages/transcript.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>

namespace PaneStyle {

inline constexpr auto family = "Liberation Sans";
// Hints a face as Debian's fontconfig does: lightly, keeping the letters'
// widths, and not at all on a high-density screen. Windows's FreeType would
// hint fully, so there light hinting is asked for (the layout is measured
// at 100 %); elsewhere the font is left as it is, for fontconfig to choose.
void hint(QFont& font);
inline constexpr int windowPixelSize = 13; // 9.75 pt
inline constexpr int titlePixelSize = 16;  // 12 pt

// At a layout scale the pixel size scales too, to the nearest pixel.
QFont windowFont(qreal scale = 1); // every window, button and text pane
QFont titleFont(qreal scale = 1);  // the title of the first pathway window
// The same face in points, for paper, where nothing is laid out in pixels.
QFont paperFont(qreal pointSize, QFont::Weight weight = QFont::Bold);
// The regular and bold italic faces as well, for drawings and paper; once,
// before the first of them is drawn.
void loadDrawingFaces();

// The inks that set worked answers and pathway titles apart, on screen and
// on paper, and a practice summary's right answers.
inline constexpr QColor answerInk(255, 0, 0);
inline constexpr QColor titleInk(0, 0, 255);
inline constexpr QColor rightInk(0, 128, 0);

// The colour of an ink; the question ink is `question` (the window's text
// colour on screen, black on paper).
QColor colour(Ink ink, const QColor& question);

// White page with the given ink, the rest of the application palette kept.
QPalette pagePalette(const QColor& ink);

// The program's icon in the title bars.
QIcon programIcon();

} // namespace PaneStyle
