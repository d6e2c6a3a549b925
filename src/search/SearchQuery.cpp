#include "search/SearchQuery.h"

#include <algorithm>

namespace {

bool isQuote(QChar c)
{
    // Typographic quotes too: some keyboards and pasted text give those.
    return c == QLatin1Char('"') || c.unicode() == 0x201C || c.unicode() == 0x201D;
}

bool isAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
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

bool SearchQuery::matches(const QString &foldedText) const
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

// Compatibility decomposition splits "é" into "e" and a combining accent, which is then dropped. Most
// text is plain ASCII and needs no decomposition, which keeps indexing a large wallet quick.
QString SearchQuery::fold(const QString &text)
{
    const QString source = isAscii(text) ? text : text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(source.size());
    bool afterBlank = true;
    for (const QChar c : source) {
        if (c.isSpace()) {
            if (!afterBlank)
                folded += QLatin1Char(' ');
            afterBlank = true;
            continue;
        }
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing)
            continue;
        folded += c.toCaseFolded();
        afterBlank = false;
    }
    if (folded.endsWith(QLatin1Char(' ')))
        folded.chop(1);
    return folded;
}
