#pragma once

#include <QString>

// A fresh card or wallet identity: 36 lower-case characters, 8-4-4-4-12, no braces.
QString newUuid();

// True when the text holds at least one character that is not white space.
bool hasText(const QString &text);

// Text typed for a card as it is stored: tabs (which separate the columns of the card text) become
// four blanks, and blanks around the text go.
QString cleanText(QString text);

// True when both texts are equal or either is empty; the merge rules treat a blank as "no opinion".
bool sameOrBlank(const QString &a, const QString &b);
