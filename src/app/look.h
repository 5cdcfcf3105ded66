#pragma once

#include <QColor>
#include <QList>
#include <QPalette>

class QLabel;

// What the window takes from the desktop it runs on: colours derived from the
// scheme's palette, and faces from the fonts installed.
namespace Look
{

// The level for body text (WCAG 2).
inline constexpr double MinimumContrast = 4.5;

// WCAG 2 contrast ratio of two colours, from 1 (same luminance) to 21.
double contrast(const QColor &a, const QColor &b);

// `wanted` where it reads on `background`; otherwise the colour of the same
// hue and saturation, lighter on a dark background and darker on a light
// one, nearest to `wanted` that reaches 5:1: the anti-aliased edges of thin
// 8-point strokes come out a little weaker than the colour itself.
QColor readable(const QColor &wanted, const QColor &background);

// A value box of the information row: white, with the scheme's text, where
// that text reads on white; otherwise in the colours of the scheme's fields.
QPalette valueBox(const QPalette &scheme);

// Where a label's text is wider than the label in its font, every label takes
// the first face and size, from that font's size down to 6 points, that fits
// every text.
void fitTexts(const QList<QLabel *> &labels);

} // namespace Look
