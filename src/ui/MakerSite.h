#pragma once

#include <QUrl>

// Pages of the program's maker: help, contact and the end page of the cloud authorisation.
inline QUrl makerSite(const QString &path)
{
    return QUrl(QStringLiteral("http://www.corvale-software.example") + path);
}
