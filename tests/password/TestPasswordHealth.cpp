#include "common/TestCards.h"
#include "model/FieldType.h"
#include "password/PasswordHealth.h"
#include "store/CardDb.h"

#include <QtTest>

class TestPasswordHealth : public QObject
{
    Q_OBJECT

private:
    std::vector<StoredCard> m_rows;

    // A live or trashed card with one field; its value and the field's time are what the check reads.
    void add(const QString &title, const QString &value, const QDateTime &changed, int type = FieldType::Password,
             bool trashed = false)
    {
        // The password goes in last, with the type under test.
        auto card = makeCard(QString(), title, {"ana", "-"}, changed);
        addFields(*card, {{"Password", value, type, true}});
        const int id = int(m_rows.size()) + 1;
        m_rows.push_back({id, QString(), changed, trashed, std::move(card), QByteArray()});
    }

private slots:
    void findsWeakReusedAndOld()
    {
        const QDateTime now(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC);
        const QDateTime recent = now.addDays(-10);
        const QDateTime yearAgo = now.addYears(-1);
        // clang-format off
        add("Strong", "vX7#qL9!mR2$wT5&", recent);                                                          // 1
        add("Weak", "password1", recent);                                                                   // 2
        add("Shared A", "Tr0ub4dor&3-horse-staple", recent);                                                // 3
        add("Shared B", "Tr0ub4dor&3-horse-staple", recent);                                                // 4
        add("Old", "gK4%nB8^zQ1*pW6~", yearAgo.addSecs(-1));                                                // 5
        add("Weak in trash", "123456", recent, FieldType::Password, true);                                  // 6
        add("Shared in trash", "Tr0ub4dor&3-horse-staple", yearAgo.addDays(-1), FieldType::Password, true); // 7
        add("PIN, not a password", "1234", yearAgo.addDays(-1), FieldType::Pin);                            // 8
        add("No password", "", yearAgo.addDays(-1));                                                        // 9
        add("A year to the second", "hJ3&dF7*kL2!sA9?", yearAgo);                                           // 10
        add("Old, weak, shared", "letmein", yearAgo.addDays(-1));                                           // 11
        add("Weak, shared", "letmein", recent);                                                             // 12
        add("Just below a million guesses", "horse42", recent);                                             // 13
        add("Just above a million guesses", "summer2019x", recent);                                         // 14
        // clang-format on

        QStringList found;
        for (const PasswordHealth::Finding &finding : PasswordHealth::check(m_rows, now))
            found << QStringLiteral("%1 %2 %3 %4")
                         .arg(PasswordHealth::kindName(finding.kind))
                         .arg(finding.id)
                         .arg(finding.title)
                         .arg(finding.group);
        const QStringList expected{
            "weak 2 Weak -1",
            "weak 11 Old, weak, shared -1",
            "weak 12 Weak, shared -1",
            "weak 13 Just below a million guesses -1",
            "reused 3 Shared A 0",
            "reused 4 Shared B 0",
            "reused 11 Old, weak, shared 1",
            "reused 12 Weak, shared 1",
            "old 5 Old -1",
            "old 11 Old, weak, shared -1",
        };
        QCOMPARE(found, expected);
    }
};

QTEST_GUILESS_MAIN(TestPasswordHealth)
#include "TestPasswordHealth.moc"
