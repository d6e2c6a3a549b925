#pragma once

#include <QString>

// Installs the program's and Qt's translations for the user's language (QLocale()), for the window
// and the command line alike. Languages without a translation keep the English texts.
void installTranslations();

// A template name or field label of the built-in catalogue in the user's language, for display only:
// stored cards keep the catalogue's English text. Texts the catalogue lacks come back unchanged.
QString catalogText(const QString &text);
