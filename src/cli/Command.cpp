#include "cli/Command.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString longName(const QCommandLineOption &option)
{
    return QStringLiteral("--") + option.names().constLast();
}

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

// Text as roff sets it: no line taken for a request, minus signs where the text has them.
QString roff(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\e")).replace(QLatin1Char('-'), QLatin1String("\\-"));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.startsWith(QLatin1Char('.')) || line.startsWith(QLatin1Char('\'')))
            line.prepend(QLatin1String("\\&"));
    }
    return lines.join(QLatin1Char('\n'));
}

// The arguments and options as the usage line shows them after the command's name, each after a blank.
QString shape(const Command &command)
{
    QString text;
    for (const Argument &argument : command.arguments) {
        const char *forms[] = {" %1", " [%1]", " %1...", " [%1 ...]"};
        text += QString::fromLatin1(forms[argument.count]).arg(argument.name);
    }
    for (const QCommandLineOption &option : command.options) {
        const QString value = option.valueName().isEmpty() ? QString() : QLatin1Char(' ') + option.valueName();
        text += QStringLiteral(" [%1%2]").arg(longName(option), value);
    }
    return text;
}

} // namespace

QString Command::synopsis() const
{
    return name + shape(*this);
}

QString Command::usage() const
{
    return QStringLiteral("tessera-cli ") + synopsis();
}

int Command::minArguments() const
{
    return int(std::count_if(arguments.begin(), arguments.end(), [](const Argument &argument) {
        return argument.count == Argument::One || argument.count == Argument::OneOrMore;
    }));
}

int Command::maxArguments() const
{
    const bool repeated = std::any_of(arguments.begin(), arguments.end(),
                                      [](const Argument &argument) { return argument.count >= Argument::OneOrMore; });
    return repeated ? -1 : arguments.size();
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

QString Command::manEntry() const
{
    QString text = QStringLiteral(".TP\n.BI %1 \"%2\"\n%3\n").arg(roff(name), roff(shape(*this)), roff(summary));
    if (!details.isEmpty())
        text += roff(details) + QLatin1Char('\n');
    if (options.isEmpty())
        return text;
    text += QLatin1String(".RS\n");
    for (const QCommandLineOption &option : options)
        text += QStringLiteral(".TP\n.B %1\n%2\n").arg(roff(optionNames(option)), roff(option.description()));
    return text + QLatin1String(".RE\n");
}

QString Command::completionLine() const
{
    QString line = name;
    for (const Argument &argument : arguments)
        line += QLatin1Char(' ') + argument.name + QLatin1String(argument.count >= Argument::OneOrMore ? "..." : "");
    for (const QCommandLineOption &option : options)
        line += QLatin1Char(' ') + longName(option)
            + (option.valueName().isEmpty() ? QString() : QLatin1Char('=') + option.valueName());
    return line;
}
