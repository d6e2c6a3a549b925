#pragma once

#include <QCollator>
#include <QString>
#include <QVector>

// A fresh card or wallet identity: 36 lower-case characters, 8-4-4-4-12, no braces.
QString newUuid();

// True when the text holds at least one character that is not white space.
bool hasText(const QString &text);

// Text typed for a card as it is stored: tabs (which separate the columns of the card text) become
// four blanks, and blanks around the text go.
QString cleanText(QString text);

// How card titles sort, in the window and on the command line: by the user's language, ignoring case,
// numbers by value ("Item 2" before "Item 10"), accented letters beside plain ones ("Émile" by "Emile").
QCollator titleCollator();

// Sorts rows, positions into texts, stably by the collator's order of their texts (reversed when
// descending). The rows are sorted in two halves on two threads, by ICU's sort keys under the collator's
// settings (a collator of the C locale sorts by the root order): a large wallet lists a hundred thousand
// titles.
void sortCollated(QVector<int> &rows, const QVector<QString> &texts, const QCollator &collator, bool descending);

// True when both texts are equal or either is empty; the merge rules treat a blank as "no opinion".
bool sameOrBlank(const QString &a, const QString &b);
