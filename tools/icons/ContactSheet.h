#pragma once

#include "IconCatalogue.h"

#include <QImage>

// One picture with every icon at 1x and 2x, at the 24 pixel list size and on a selection
// colour, for reviewing the set by eye.
QImage contactSheet(const QVector<IconEntry> &icons);
