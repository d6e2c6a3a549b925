#pragma once

class QPainter;

// Small buttons and tool bar icons, drawn on a 16 x 16 unit grid.
namespace UiIcons {
void eye(QPainter &p);
void copy(QPainter &p);
void search(QPainter &p);
void clear(QPainter &p);
void add(QPainter &p);
void edit(QPainter &p);
void lock(QPainter &p);
void sync(QPainter &p);
} // namespace UiIcons
