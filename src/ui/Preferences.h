#pragma once

class QSettings;

// What the user chose in the Preferences dialog, kept in the program's settings.
struct Preferences
{
    bool openLastWallet = true;
    // 0: never.
    int autoLockMinutes = 5;
    bool lockOnMinimize = false;
    // 0: a copy stays until replaced.
    int clipboardSeconds = 10;

    static Preferences load(const QSettings &settings);
    void save(QSettings &settings) const;
};
