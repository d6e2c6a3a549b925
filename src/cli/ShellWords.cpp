#include "cli/ShellWords.h"

std::optional<QStringList> ShellWords::split(const QString &line, QString *error)
{
    QStringList words;
    QString word;
    // A word may be empty (''), so whether one was begun is not whether it holds anything.
    bool inWord = false;
    QChar quote;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quote == QLatin1Char('\'')) {
            if (c == quote)
                quote = QChar();
            else
                word += c;
        } else if (c == QLatin1Char('\\')) {
            if (i + 1 == line.size()) {
                *error = tr("the line ends with a backslash");
                return std::nullopt;
            }
            const QChar next = line.at(++i);
            if (quote == QLatin1Char('"') && !QStringLiteral("\"\\$`").contains(next))
                word += c;
            word += next;
            inWord = true;
        } else if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                word += c;
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            inWord = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (!quote.isNull()) {
        *error = tr("a quote %1 is not closed").arg(quote);
        return std::nullopt;
    }
    if (inWord)
        words << word;
    return words;
}
