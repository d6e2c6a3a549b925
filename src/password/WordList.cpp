#include "password/WordList.h"

#include <QFile>
#include <QTextStream>

// The list is compiled into a static library, so its resource must be registered explicitly.
static void registerWordListResource()
{
    Q_INIT_RESOURCE(wordlists);
}

const QStringList &WordList::words()
{
    static const QStringList list = load();
    return list;
}

// Each line is the five dice rolls that choose a word, a tab and the word.
QStringList WordList::load()
{
    registerWordListResource();
    QFile file(QStringLiteral(":wordlists/eff_large_wordlist.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList list;
    QTextStream stream(&file);
    QString line;
    while (stream.readLineInto(&line)) {
        const int tab = line.indexOf(QLatin1Char('\t'));
        if (tab > 0 && tab + 1 < line.size())
            list.append(line.mid(tab + 1));
    }
    return list.size() == 7776 ? list : QStringList();
}
