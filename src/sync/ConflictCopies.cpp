#include "sync/ConflictCopies.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

bool ConflictCopies::isConflictCopyOf(const QString &fileName, const QString &originalName)
{
    const QFileInfo original(originalName);
    const QString name = QRegularExpression::escape(original.completeBaseName());
    const QString suffix
        = original.suffix().isEmpty() ? QString() : QRegularExpression::escape(QLatin1Char('.') + original.suffix());
    const QRegularExpression pattern(
        QStringLiteral(
            "^%1(\\.sync-conflict-\\d{8}-\\d{6}-\\w+| \\([^()]*conflicted copy[^()]*\\)|_conflict-[\\d-]+)%2$")
            .arg(name, suffix),
        QRegularExpression::CaseInsensitiveOption);
    return pattern.match(fileName).hasMatch();
}

QStringList ConflictCopies::of(const QString &path)
{
    const QFileInfo original(path);
    const QDir folder = original.absoluteDir();
    QStringList copies;
    for (const QString &name : folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        if (isConflictCopyOf(name, original.fileName()))
            copies.append(folder.filePath(name));
    }
    return copies;
}
