#pragma once

#include <QString>
#include <QVector>

#include <functional>

class QPainter;

// One image of the program. The draw function paints on a grid of size x size units;
// the writer scales the painter, so the same function serves the 1x and 2x files.
struct IconEntry
{
    QString name; // resource path without ".png", e.g. "images/card/5"
    int size; // pixels of the 1x file
    std::function<void(QPainter &)> draw;
};

QVector<IconEntry> iconCatalogue();
