#pragma once

#include <QString>
#include <QStringList>

// What was typed into a search, split into terms: blanks separate terms, double quotes keep a phrase
// together. A text matches when it holds every term. Both sides are folded, so case and accents never
// matter ("emile" finds "Émile").
class SearchQuery
{
public:
    SearchQuery() = default;
    explicit SearchQuery(const QString &typed);

    bool isEmpty() const { return m_terms.isEmpty(); }
    // The text must have been folded with fold().
    bool matches(QStringView foldedText) const;
    // Whether every text this query matches, wider matches too: each term of wider lies in one of ours
    // (typing on only ever hides cards).
    bool narrows(const SearchQuery &wider) const;

    // Lower case without accents, every run of white space one blank, none at either end.
    static QString fold(const QString &text);
    // The same, appended to folded: indexing many texts then allocates nothing for each.
    static void foldInto(QStringView text, QString &folded);

private:
    void addTerm(const QString &term);

    QStringList m_terms;
};
