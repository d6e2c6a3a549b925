#include "cli/Command.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString optionNames(const QCommandLineOption &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString text = names.join(QLatin1String(", "));
    if (!option.valueName().isEmpty())
        text += QLatin1Char(' ') + option.valueName();
    return text;
}

} // namespace

QString Command::synopsis() const
{
    return syntax.isEmpty() ? name : name + QLatin1Char(' ') + syntax;
}

QString Command::usage() const
{
    return QStringLiteral("tessera-cli ") + synopsis();
}

QString Command::helpText(const QCommandLineOption &helpOption) const
{
    QString text
        = QCoreApplication::translate("Command", "Usage: %1").arg(usage()) + QStringLiteral("\n\n%1\n").arg(summary);
    if (!details.isEmpty())
        text += QLatin1Char('\n') + details + QLatin1Char('\n');

    const QList<QCommandLineOption> all = options + QList<QCommandLineOption>{helpOption};
    int width = 0;
    for (const QCommandLineOption &option : all)
        width = std::max(width, int(optionNames(option).size()));
    text += QLatin1Char('\n') + QCoreApplication::translate("Command", "Options:") + QLatin1Char('\n');
    for (const QCommandLineOption &option : all)
        text += QStringLiteral("  %1  %2\n").arg(optionNames(option).leftJustified(width), option.description());
    return text;
}
