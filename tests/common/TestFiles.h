#pragma once

#include <QFile>
#include <QString>

#include <optional>

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QString testData(const QString &relative)
{
    return QStringLiteral(TESSERA_TEST_DATA "/") + relative;
}

// The value of a read the test expects to succeed; a failed read ends the test run loudly.
template<typename T> T must(std::optional<T> value)
{
    if (!value)
        qFatal("a read of the wallet failed");
    return std::move(*value);
}
