#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

#include <vector>

struct StoredCard;

// The live cards whose passwords want changing: weak ones, ones shared with another card, and ones
// unchanged for more than a year. Works on the decrypted cards in memory; nothing leaves the machine.
class PasswordHealth
{
public:
    enum Kind { Weak, Reused, Old };

    struct Finding
    {
        Kind kind;
        int id;
        QString title;
        // Reused only: the cards of one group share a password. Groups are numbered from 0.
        int group = -1;
    };

    // Weak findings first, then the reused ones group by group, then the old ones; within each, the
    // cards in row order. A card appears at most once per kind.
    static QVector<Finding> check(const std::vector<StoredCard> &rows, const QDateTime &now);
    // "weak", "reused" or "old", as the command line prints them.
    static QString kindName(Kind kind);
};
