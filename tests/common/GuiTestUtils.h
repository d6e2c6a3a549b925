#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
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

inline QAbstractButton *buttonWithText(QMessageBox *box, const QString &text)
{
    for (QAbstractButton *button : box->buttons()) {
        if (button->text().remove(QLatin1Char('&')) == text)
            return button;
    }
    return nullptr;
}

// Answers the message boxes that a blocking call shows: records their title and text and presses
// the given button (the escape button when none is named).
class MessageBoxAnswerer : public QObject
{
public:
    explicit MessageBoxAnswerer(const QString &button = QString())
        : m_button(button)
    {
        connect(&m_timer, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
        m_timer.start(10);
    }

    QStringList titles;
    QStringList texts;

private:
    void answer()
    {
        QMessageBox *box = findTopLevel<QMessageBox>();
        if (!box || m_answered.contains(box))
            return;
        m_answered.append(box);
        titles << box->windowTitle();
        texts << box->text();
        QAbstractButton *button = m_button.isEmpty() ? box->escapeButton() : buttonWithText(box, m_button);
        if (!button && !box->buttons().isEmpty())
            button = box->buttons().first();
        if (button)
            button->click();
    }

    QString m_button;
    QTimer m_timer;
    QList<QPointer<QMessageBox>> m_answered;
};
