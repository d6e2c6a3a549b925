#include "IconWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QXmlStreamWriter>

namespace {

QStringList fileNames(const IconEntry &icon)
{
    return {icon.name + QStringLiteral(".png"), icon.name + QStringLiteral("@2x.png")};
}

} // namespace

QImage renderIcon(const IconEntry &icon, int scale)
{
    QImage image(icon.size * scale, icon.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    icon.draw(painter);
    painter.end();
    return image;
}

bool writeIcons(const QVector<IconEntry> &icons, const QDir &resources, QString *error)
{
    for (const IconEntry &icon : icons) {
        const QStringList names = fileNames(icon);
        for (int i = 0; i < names.size(); ++i) {
            const QString path = resources.filePath(names.at(i));
            if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !renderIcon(icon, i + 1).save(path, "PNG")) {
                *error = QStringLiteral("cannot write %1").arg(path);
                return false;
            }
        }
    }
    return true;
}

bool writeResourceFile(const QVector<IconEntry> &icons, const QString &fileName, QString *error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeDTD(QStringLiteral("<!DOCTYPE RCC>"));
    xml.writeStartElement(QStringLiteral("RCC"));
    xml.writeStartElement(QStringLiteral("qresource"));
    xml.writeAttribute(QStringLiteral("prefix"), QStringLiteral("/"));
    for (const IconEntry &icon : icons) {
        for (const QString &name : fileNames(icon))
            xml.writeTextElement(QStringLiteral("file"), name);
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
