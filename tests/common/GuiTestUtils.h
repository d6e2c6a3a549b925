#pragma once

#include "i18n/Translations.h"
#include "ui/MessageBox.h"

#include <QApplication>
#include <QDialog>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Keeps the settings of a GUI test in a folder of its own, never the user's.
inline void isolateSettings(const QTemporaryDir &dir)
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvale Software Systems"));
    QCoreApplication::setApplicationName(QStringLiteral("Tessera"));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
}

// The visible top-level widget of a type, such as a dialog the window just opened.
template<class T> T *findTopLevel()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *typed = qobject_cast<T *>(widget); typed && typed->isVisible())
            return typed;
    }
    return nullptr;
}

template<class T> T *waitForTopLevel(int timeout = 5000)
{
    T *found = nullptr;
    return QTest::qWaitFor([&found] { return (found = findTopLevel<T>()) != nullptr; }, timeout) ? found : nullptr;
}

// What the boxes answered through MessageBox::setNextAnswer() said, once at least one was answered.
inline QStringList waitForAnswered()
{
    QStringList said;
    if (!QTest::qWaitFor([&said] { return !(said += MessageBox::takeAnswered()).isEmpty(); }))
        qWarning("no message box was answered");
    return said;
}

// English with its plural forms ("1 card", not "1 card(s)"), whatever the machine's language.
inline void installEnglish()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    installTranslations();
}
