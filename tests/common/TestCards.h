#pragma once

#include "model/Card.h"
#include "model/FieldType.h"
#include "store/NewWalletOptions.h"

#include <QDateTime>
#include <QStringList>

#include <memory>

// When a test card was last changed, unless the test says otherwise: long ago, so that new stamps stand out.
inline const QDateTime t0 = QDateTime::fromSecsSinceEpoch(1330000000, Qt::UTC);

// A version-3 wallet with the cheapest key derivation the format allows, so that tests stay fast.
inline const NewWalletOptions cheapHardened{NewWalletOptions::Hardened, {1, 8}};

// A uuid that sorts by n.
inline QString uuidNumber(int n)
{
    return QStringLiteral("00000000-0000-4000-8000-%1").arg(n, 12, 10, QLatin1Char('0'));
}

struct TestField
{
    QString label;
    QString value;
    int type = FieldType::Text;
    bool sensitive = false;
};

// Adds fields after the card's own, stamped with the card's time.
inline void addFields(Card &card, const QList<TestField> &fields)
{
    int uid = card.fieldCount();
    for (const TestField &field : fields)
        card.addField(uid++, card.updateTime(), field.label, field.value, field.type, field.sensitive);
}

// A login card: values fill Username, Password (its one sensitive field), E-Mail and Url in turn, and
// "-" leaves a field out, as imported logins do. Every time stamp is time.
inline std::unique_ptr<Card> makeCard(const QString &uuid, const QString &title, const QStringList &values = {},
                                      const QDateTime &time = t0, const QString &notes = QString())
{
    static const TestField login[] = {{QStringLiteral("Username"), {}, FieldType::Username, false},
                                      {QStringLiteral("Password"), {}, FieldType::Password, true},
                                      {QStringLiteral("E-Mail"), {}, FieldType::Email, false},
                                      {QStringLiteral("Url"), {}, FieldType::Url, false}};
    auto card = std::make_unique<Card>(uuid, time, QStringLiteral("login.default"), 21, title, notes);
    for (int i = 0; i < values.size() && i < 4; ++i) {
        if (values.at(i) != QLatin1String("-"))
            card->addField(i, time, login[i].label, values.at(i), login[i].type, login[i].sensitive);
    }
    return card;
}
