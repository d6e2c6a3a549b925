#include "search/SearchQuery.h"

#include <algorithm>

namespace {

bool isQuote(QChar c)
{
    // Typographic quotes too: some keyboards and pasted text give those.
    return c == QLatin1Char('"') || c.unicode() == 0x201C || c.unicode() == 0x201D;
}

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// Folds one character to where write points; false when it folds to nothing. ASCII, most of any
// wallet, takes a quick path: QChar's look-ups cost more than the rest of the indexing together.
bool foldCharacter(QChar c, QChar *write)
{
    const char16_t code = c.unicode();
    if (code < 0x80) {
        *write = QChar(code >= 'A' && code <= 'Z' ? code + ('a' - 'A') : code);
        return true;
    }
    const QChar::Category category = c.category();
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing)
        return false;
    *write = c.toCaseFolded();
    return true;
}

bool isBlank(QChar c)
{
    const char16_t code = c.unicode();
    return code < 0x80 ? code == ' ' || (code >= '\t' && code <= '\r') : c.isSpace();
}

} // namespace

SearchQuery::SearchQuery(const QString &typed)
{
    QString term;
    bool quoted = false;
    for (const QChar c : typed) {
        if (isQuote(c) || (c.isSpace() && !quoted)) {
            addTerm(term);
            term.clear();
            quoted = quoted != isQuote(c);
            continue;
        }
        term += c;
    }
    addTerm(term);
}

void SearchQuery::addTerm(const QString &term)
{
    const QString folded = fold(term);
    if (!folded.isEmpty())
        m_terms.append(folded);
}

bool SearchQuery::matches(QStringView foldedText) const
{
    for (const QString &term : m_terms) {
        if (!foldedText.contains(term))
            return false;
    }
    return true;
}

bool SearchQuery::narrows(const SearchQuery &wider) const
{
    return std::all_of(wider.m_terms.cbegin(), wider.m_terms.cend(), [this](const QString &widerTerm) {
        return std::any_of(m_terms.cbegin(), m_terms.cend(),
                           [&widerTerm](const QString &term) { return term.contains(widerTerm); });
    });
}

QString SearchQuery::fold(const QString &text)
{
    QString folded;
    foldInto(text, folded);
    return folded;
}

// Compatibility decomposition splits "é" into "e" and a combining accent, which is then dropped. Most
// text is plain ASCII and needs no decomposition, which keeps indexing a large wallet quick.
void SearchQuery::foldInto(QStringView text, QString &folded)
{
    const QString decomposed = isAscii(text) ? QString() : text.toString().normalized(QString::NormalizationForm_KD);
    const QStringView source = decomposed.isNull() ? text : QStringView(decomposed);
    const int start = folded.size();
    // A character never folds into more than one.
    folded.resize(start + int(source.size()));
    QChar *const first = folded.data() + start;
    QChar *write = first;
    bool afterBlank = true;
    for (const QChar c : source) {
        if (isBlank(c)) {
            if (!afterBlank)
                *write++ = QLatin1Char(' ');
            afterBlank = true;
        } else if (foldCharacter(c, write)) {
            ++write;
            afterBlank = false;
        }
    }
    if (write != first && write[-1] == QLatin1Char(' '))
        --write;
    folded.resize(int(write - folded.data()));
}
