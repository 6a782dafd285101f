#pragma once

#include <QColor>
#include <QList>
#include <QPalette>
#include <initializer_list>

class QWidget;

namespace frame {

// WCAG 2 contrast ratio of two opaque colours, 1 to 21.
double contrast(const QColor& a, const QColor& b);

// The least a text must reach against what is painted behind it: ordinary
// text, and the caption of a control that is switched off (which has to look
// greyed out and still be read).
constexpr double kTextContrast = 4.5;
constexpr double kDisabledContrast = 3.0;

// The first of `wanted` that reaches `minimum` against `back`. When none
// does, the one that comes closest, moved towards black or white (whichever
// lies further from `back`) just far enough to reach it.
QColor readableOn(const QColor& back, std::initializer_list<QColor> wanted, double minimum);
// The same against every colour of a background that is not flat (a
// gradient), as long as they all lie on one side of the middle grey.
QColor readableOn(const QList<QColor>& backs, std::initializer_list<QColor> wanted, double minimum);

// The colour for a text (or a line) on `behind`. A colour the system gives
// (its window, button face, base) takes the system's own text colour for it;
// any other colour is one the layout fixed, drawn for a light scheme, and
// takes that scheme's dark text. Either is held to kTextContrast.
QColor inkFor(const QColor& behind);
// Whether the system gives `behind` (its window, button face or base), rather
// than the layout fixing it.
bool systemGives(const QColor& behind);
// `own` with the surfaces, frames and texts of the light scheme the layout
// was drawn in, in every colour group, except its window and window text
// (what the control stands on and its caption's ink, which stay); the
// accents (highlight, links) stay the system's. For the parts of a control
// that the style draws from the palette (a check box's square and tick) where
// the control stands on a colour the layout fixed: a dark scheme would draw a
// black square on the white.
QPalette lightScheme(QPalette own);
// Gives `w` that colour in palette role `role`, and for the switched-off
// state the matching grey held to kDisabledContrast (without `greyWhenOff`,
// the text keeps its colour when switched off).
void inkOn(QWidget* w, QPalette::ColorRole role, const QColor& behind, bool greyWhenOff = true);

}  // namespace frame
