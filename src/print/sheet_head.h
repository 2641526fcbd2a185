#pragma once

#include <array>
#include <cstddef>
#include <span>

#include <QColor>
#include <QFont>
#include <QString>

#include "core/factor.h"
#include "core/transit_record.h"
#include "print/dial_picture.h"

class QPainter;
class QFontMetricsF;
class QPaintDevice;
class QRectF;

// What the sheets of a record show above their lists: the name, the
// transit, the dial with its pointer, the pointer's line and the legend of
// the rings, on white paper in black and one accent colour.
namespace kelvaro {

// The dial is laid out in these units, then scaled to its place on the page.
inline constexpr double kSheetDialUnits = 640;

// A dark red, for the pointer and what it finds.
QColor sheetAccent();

// The fonts of the head: the name, the lines under it, the ring legend.
QFont sheetTitleFont();
QFont sheetInfoFont();
QFont sheetLegendFont();

// The dial's look on paper, its fonts in the dial's own units.
DialLook paperDialLook();

// "Müller, Jürgen": the title.
QString sheetPersonName(const TransitRecord& record);

// "Transit: 08.12.2026, 12:00, Köln"; in a comparison the date of A's p
// and s, and t as the partner's radix.
QString sheetTransitLine(const TransitRecord& record);

// "Ringe von innen nach außen: r Radix, …, t Transit".
QString sheetRingLegend(const std::array<bool, 4>& shown, const TransitRecord& record);

// `font`, made smaller where `text` would be wider than `width`.
QFont fontFittedTo(QFont font, const QString& text, double width, const QPaintDevice* device);

// The picture (laid out in kSheetDialUnits) scaled into `square`, with the
// pointer, its orb sector and the marked names.
void paintSheetDial(QPainter& painter, const DialPicture& picture, const QRectF& square,
                    int pointer, double orb, std::span<const FactorVariant> marked = {});

// "Zeiger 07°30'" in the accent colour (after the dial's size when that is
// not 22.5°), then "Orbis: 01:12", on the line whose top is `top`.
void paintPointerLine(QPainter& painter, double left, double top, int pointer, DialSize dial,
                      double orb);
// Its font.
QFont pointerLineFont();

// How many lines of `metrics` fit into `height`.
std::size_t linesFitting(double height, const QFontMetricsF& metrics);

}  // namespace kelvaro
