#pragma once

#include "Palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QVector>

// Building blocks shared by the icon drawings. Coordinates are design units: the caller has
// already scaled the painter, so one unit is one pixel at 1x. Outlines are one unit wide and
// centred on the path, so straight edges meant to be crisp sit on half units.
namespace Shapes {

QPainterPath roundedRect(const QRectF &rect, qreal radius);
QPainterPath circle(const QPointF &centre, qreal radius);
QPainterPath star(const QPointF &centre, qreal outerRadius, qreal innerRadius);
QPainterPath person(const QRectF &box);

// Text outline scaled to fit inside the box, centred, so it renders the same at every size.
QPainterPath text(const QString &text, const QRectF &box, bool condensed = false);

// Fill with a top-to-bottom gradient of the hue and, if edge > 0, an outline in its dark tone.
void fill(QPainter &p, const QPainterPath &path, const Hue &hue, qreal edge = 1.0);
// The same for a shape made of overlapping parts: one outline around their union.
void fill(QPainter &p, const QVector<QPainterPath> &parts, const Hue &hue, qreal edge = 1.0);
void fillFlat(QPainter &p, const QPainterPath &path, const QColor &color);
void stroke(QPainter &p, const QPainterPath &path, const QColor &color, qreal width);
void line(QPainter &p, QPointF from, QPointF to, const QColor &color, qreal width);

// Objects that several icons share.
void plasticCard(QPainter &p, const QRectF &rect, const Hue &hue);
void chip(QPainter &p, const QRectF &rect);
void globe(QPainter &p, const QPointF &centre, qreal radius);
void key(QPainter &p, const QPointF &bowCentre, qreal bowRadius, qreal length, qreal angleDegrees, const Hue &hue);
void folder(QPainter &p, const QRectF &rect, const Hue &hue);
void house(QPainter &p, const QRectF &rect, const Hue &roof, const Hue &wall);
void envelope(QPainter &p, const QRectF &rect);
void serverUnit(QPainter &p, const QRectF &rect, const QColor &led);
void badge(QPainter &p, const QPointF &centre, qreal radius, const Hue &hue);

} // namespace Shapes
