#pragma once

#include <QString>

// The program's own colours: warnings, the clock memo's states, marks in lists. Each text
// colour is chosen to be read on its background by a secretary with weak eyes: a contrast of
// at least 4.5 to 1 (WCAG 2.2 AA for text), which the tests compute from these values.

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    // "#rrggbb", for style sheets and pages.
    QString name() const;
};

namespace Palette {
// A warning in a screen's text (an old backup, clocks behind, a pool that does not balance).
inline constexpr Rgb WarningText{0xa0, 0x00, 0x00};
// The light backgrounds such a warning stands on: a window and a list or an edit box.
inline constexpr Rgb Window{0xef, 0xef, 0xef};
inline constexpr Rgb Base{0xff, 0xff, 0xff};
// The clock memo: black text on yellow (at work), red (a failure) or green (done).
inline constexpr Rgb MemoText{0x00, 0x00, 0x00};
inline constexpr Rgb MemoProgress{0xff, 0xff, 0x00};
inline constexpr Rgb MemoFailure{0xff, 0x40, 0x40};
inline constexpr Rgb MemoSuccess{0x00, 0xff, 0x00};
}  // namespace Palette

// The WCAG contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(const Rgb& a, const Rgb& b);

// A style sheet giving a widget's text the warning colour.
QString WarningStyle();
