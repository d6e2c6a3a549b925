#pragma once

#include "common/SqlPeek.h"
#include "common/TestCards.h"
#include "common/TestFiles.h"
#include "model/Card.h"
#include "store/CardDb.h"

#include <QDateTime>
#include <QStringList>

#include <memory>
#include <vector>

// A fresh wallet that already holds one card of the user's, to import into and look at afterwards.
class ImportWallet
{
public:
    explicit ImportWallet(const QString &path)
        : m_path(path)
        , m_store(CardDb::openOrCreate(path, QStringLiteral("import")))
    {
        auto mine = makeCard(QStringLiteral("11111111-2222-3333-4444-555555555555"), QStringLiteral("My bank"),
                             {QStringLiteral("me"), QStringLiteral("mine"), QString(), QStringLiteral("bank.example")},
                             t0, QStringLiteral("keep\nme"));
        mine->setIconId(5);
        m_store->addCard(*mine);
        m_existingRow = existingRow();
    }

    CardDb *store() const { return m_store.get(); }

    // The wallet row of the user's own card, every column, the encrypted data as hex.
    QString existingRow() const
    {
        return SqlPeek(m_path)
            .value(QStringLiteral(
                "SELECT ID||'|'||Title||'|'||Type||'|'||IconID||'|'||UpdateTime||'|'||UUID||'|'"
                "||hex(Data)||'|'||Trashed FROM Cards WHERE UUID='11111111-2222-3333-4444-555555555555'"))
            .toString();
    }

    QString existingRowBefore() const { return m_existingRow; }

    // The imported cards in the order they reached the wallet, and which of them went to the trash.
    std::vector<std::unique_ptr<Card>> importedCards(QVector<bool> *trashed = nullptr) const
    {
        std::vector<std::unique_ptr<Card>> cards;
        const QVector<CardListEntry> rows = must(m_store->cardList(CardDb::AllCards));
        for (int i = 1; i < rows.size(); ++i) {
            cards.push_back(m_store->card(rows.at(i).id));
            if (trashed)
                *trashed << rows.at(i).trashed;
        }
        return cards;
    }

    // What the user reads on each imported card, marked " (trash)" when it went to the trash.
    QStringList importedContents() const;

    // Counted behind the store's back, so only committed cards count.
    int committedImports() const
    {
        return SqlPeek(m_path).value(QStringLiteral("SELECT COUNT(*) FROM Cards")).toInt() - 1;
    }

private:
    QString m_path;
    std::unique_ptr<CardDb> m_store;
    QString m_existingRow;
};

// What the user reads on an imported card: title, user name, password, address and notes.
inline QString contentOf(const Card &card)
{
    QStringList parts{card.title()};
    for (const Field *field : card.fields())
        parts << field->value();
    parts << card.notes();
    return parts.join(QLatin1Char('|'));
}

inline QStringList contentsOf(const std::vector<std::unique_ptr<Card>> &cards)
{
    QStringList contents;
    for (const auto &card : cards)
        contents << contentOf(*card);
    return contents;
}

// The make-up every imported card shares: template, icon and the three fields with uid, label, type
// and sensitivity; "time!" where a field's time differs from the card's.
inline QString shapeOf(const Card &card)
{
    QStringList parts{card.templateType(), QString::number(card.iconId())};
    for (const Field *field : card.fields())
        parts << QStringLiteral("%1 %2 %3 ").arg(field->uid()).arg(field->label()).arg(field->type())
                + (field->sensitive() ? "secret" : "plain")
                + (field->updateTime() == card.updateTime() ? "" : " time!");
    return parts.join(QLatin1String(", "));
}

inline QStringList ImportWallet::importedContents() const
{
    QVector<bool> trashed;
    QStringList contents = contentsOf(importedCards(&trashed));
    for (int i = 0; i < contents.size(); ++i)
        contents[i] += trashed.at(i) ? QLatin1String(" (trash)") : QLatin1String("");
    return contents;
}

inline const QString loginShape
    = QStringLiteral("login.default, 21, 0 Username 11 plain, 1 Password 1 secret, 3 Url 6 plain");
