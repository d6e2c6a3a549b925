#pragma once

#include "common/TestCards.h"
#include "common/TestFiles.h"
#include "store/CardDb.h"

#include <QtTest>

// Edits and contents of the wallets the sync tests merge.

// Field index to a new value, stamped as the window stamps an edit.
inline void edit(CardDb &store, const QString &uuid, int field, const QString &value, int secondsLater)
{
    auto card = store.cardByUuid(uuid);
    const QDateTime time = t0.addSecs(secondsLater);
    card->fields().at(field)->setValue(value);
    card->fields().at(field)->setUpdateTime(time);
    card->setUpdateTime(time);
    QVERIFY(store.updateCard(store.cardIdForUuid(uuid), *card));
}

// Every card as "uuid|state|user|password", in uuid order.
inline QStringList contents(const QString &path, const QString &password)
{
    QStringList lines;
    for (const StoredCard &row : must(CardDb::open(path, password)->allCards())) {
        const QList<Field *> fields = row.card->fields();
        lines << QStringList{row.uuid, row.trashed ? "trashed" : "live", fields.at(0)->value(), fields.at(1)->value()}
                     .join('|');
    }
    lines.sort();
    return lines;
}
