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

namespace {

QImage renderSized(const IconEntry &icon, int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(pixels) / icon.size, qreal(pixels) / icon.size);
    icon.draw(painter);
    painter.end();
    return image;
}

bool savePng(const QImage &image, const QString &path, QString *error)
{
    if (QDir().mkpath(QFileInfo(path).absolutePath()) && image.save(path, "PNG"))
        return true;
    *error = QStringLiteral("cannot write %1").arg(path);
    return false;
}

} // namespace

QImage renderIcon(const IconEntry &icon, int scale)
{
    return renderSized(icon, icon.size * scale);
}

bool writeThemeIcons(const IconEntry &icon, const QString &name, const QList<int> &sizes, const QDir &theme,
                     QString *error)
{
    for (int size : sizes) {
        const QString path = theme.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(name));
        if (!savePng(renderSized(icon, size), path, error))
            return false;
    }
    return true;
}

bool writeIcons(const QVector<IconEntry> &icons, const QDir &resources, QString *error)
{
    for (const IconEntry &icon : icons) {
        const QStringList names = fileNames(icon);
        for (int i = 0; i < names.size(); ++i) {
            if (!savePng(renderIcon(icon, i + 1), resources.filePath(names.at(i)), error))
                return false;
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
