#pragma once

class QPainter;

// The program's own image, drawn on a 64 x 64 unit grid.
void drawAppIcon(QPainter &p);
