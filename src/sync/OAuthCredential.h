#pragma once

#include <QString>

// A key and its secret: the program's consumer credentials, a request token or an access token.
struct OAuthCredential
{
    QString key;
    QString secret;
};
