#pragma once

#include "IconCatalogue.h"

#include <QImage>
#include <QList>

class QDir;

QImage renderIcon(const IconEntry &icon, int scale);

// Writes the icon as NxN/apps/<name>.png for each size, the layout of a hicolor icon theme.
bool writeThemeIcons(const IconEntry &icon, const QString &name, const QList<int> &sizes, const QDir &theme,
                     QString *error);

// Writes name.png and name@2x.png for every icon under the resources folder.
bool writeIcons(const QVector<IconEntry> &icons, const QDir &resources, QString *error);

// Writes the Qt resource file that lists every image, 1x and 2x.
bool writeResourceFile(const QVector<IconEntry> &icons, const QString &fileName, QString *error);
