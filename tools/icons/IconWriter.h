#pragma once

#include "IconCatalogue.h"

#include <QImage>

class QDir;

QImage renderIcon(const IconEntry &icon, int scale);

// Writes name.png and name@2x.png for every icon under the resources folder.
bool writeIcons(const QVector<IconEntry> &icons, const QDir &resources, QString *error);

// Writes the Qt resource file that lists every image, 1x and 2x.
bool writeResourceFile(const QVector<IconEntry> &icons, const QString &fileName, QString *error);
