#pragma once

#include "session/Keyring.h"

class QSettings;

// The cloud service's access token and its secret, kept in the keyring as one entry. Earlier versions
// kept them in clear in the settings file.
class CloudSignIn
{
public:
    QString key;
    QString secret;

    // Moves the token out of the settings file into the keyring, and wipes it from the file even where
    // there is no keyring to take it (then the user signs in again).
    static void moveFromSettings(QSettings &settings);
    // Found with the token, NotFound, or why the keyring could not say.
    static Keyring::Answer load(CloudSignIn *signIn);
    Keyring::Answer save() const;
    static Keyring::Answer forget();
};
