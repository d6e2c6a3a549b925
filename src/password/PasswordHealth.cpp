#include "password/PasswordHealth.h"

#include "password/PasswordFields.h"
#include "password/PasswordStrength.h"
#include "store/CardDb.h"

#include <QHash>

namespace {

// Each distinct password is estimated once: estimating is the slow part of a check.
class WeakPasswords
{
public:
    bool isWeak(const QString &password)
    {
        auto it = m_known.constFind(password);
        if (it == m_known.constEnd())
            it = m_known.insert(password, PasswordStrength::estimate(password).isWeak());
        return *it;
    }

private:
    QHash<QString, bool> m_known;
};

} // namespace

QVector<PasswordHealth::Finding> PasswordHealth::check(const std::vector<StoredCard> &rows, const QDateTime &now)
{
    const QDateTime yearAgo = now.addYears(-1);
    WeakPasswords weakPasswords;
    QVector<Finding> weak;
    QVector<Finding> old;
    // Every password with the rows of the cards that hold it, in the order the passwords first appear.
    QHash<QString, QVector<std::size_t>> holders;
    QStringList order;

    for (std::size_t row = 0; row < rows.size(); ++row) {
        const StoredCard &stored = rows[row];
        if (stored.trashed || !stored.card)
            continue;
        bool isWeak = false;
        bool isOld = false;
        for (const Field *field : PasswordFields::passwords(*stored.card)) {
            isWeak = isWeak || weakPasswords.isWeak(field->value());
            isOld = isOld || (field->updateTime().isValid() && field->updateTime() < yearAgo);
            QVector<std::size_t> &cards = holders[field->value()];
            if (cards.isEmpty())
                order.append(field->value());
            if (cards.isEmpty() || cards.last() != row)
                cards.append(row);
        }
        if (isWeak)
            weak.append({Weak, stored.id, stored.card->title()});
        if (isOld)
            old.append({Old, stored.id, stored.card->title()});
    }

    QVector<Finding> findings = weak;
    int group = 0;
    for (const QString &password : qAsConst(order)) {
        const QVector<std::size_t> &cards = holders[password];
        if (cards.size() < 2)
            continue;
        for (const std::size_t row : cards)
            findings.append({Reused, rows[row].id, rows[row].card->title(), group});
        ++group;
    }
    return findings + old;
}

QString PasswordHealth::kindName(Kind kind)
{
    static const char *const names[] = {"weak", "reused", "old"};
    return QLatin1String(names[kind]);
}
