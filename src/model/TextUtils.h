#pragma once

#include <QString>

// A fresh card or wallet identity: 36 lower-case characters, 8-4-4-4-12, no braces.
QString newUuid();

// True when the text holds at least one character that is not white space.
bool hasText(const QString &text);

// True when both texts are equal or either is empty; the merge rules treat a blank as "no opinion".
bool sameOrBlank(const QString &a, const QString &b);
