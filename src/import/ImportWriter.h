#pragma once

#include "import/ImportEntry.h"
#include "import/ImportSummary.h"

#include <QMap>
#include <QSet>
#include <QStringList>
#include <QVector>

#include <memory>

class Card;
class CardDb;

// What an import would add, for the window to show before anything is written.
struct ImportPreview
{
    // How many cards of each template, by the template's name.
    QMap<QString, int> templates;
    // Title, template name and user name of the first cards.
    QVector<QStringList> firstRows;
};

// Turns the entries of an export into cards and adds them to a wallet: a template's fields take the
// values they fit, every other value becomes an extra field. An entry identical to a card the wallet
// holds or the import added (same template, title, notes and filled values) is left out and counted,
// so that importing a file again adds nothing; a trashed entry is also left out when the trash holds
// its twin. In preview mode the writer counts what it would add and writes nothing.
class ImportWriter
{
public:
    enum Mode { Write, Preview };
    static constexpr int previewRows = 8;

    ImportWriter(CardDb &store, Mode mode = Write);
    ~ImportWriter();

    // Learns the cards the wallet holds; false when they cannot be read.
    bool start();
    void add(const ImportEntry &entry);
    // A card exactly as this program exported it: one whose identity the wallet or the import has
    // already is a duplicate.
    void addExact(std::unique_ptr<Card> card, bool trashed);
    void countDuplicates(int count);
    // A row of the file that gives no card; place names it ("line 7", "item 3").
    void reject(const QString &place, const QString &reason);
    // After a card the wallet refuses nothing more is added.
    bool writeFailed() const { return m_writeFailed; }

    const ImportSummary &summary() const { return m_summary; }
    const ImportPreview &preview() const { return m_preview; }

private:
    std::unique_ptr<Card> toCard(const ImportEntry &entry, int *extraFields);
    std::unique_ptr<Card> fromTemplate(const ImportEntry &entry, QVector<ImportField> &extras, const QDateTime &time);
    QString uuidFor(const QString &uuid);
    QByteArray sameness(const Card &card) const;
    void take(const Card &card, bool trashed, int extraFields);

    CardDb &m_store;
    const Mode m_mode;
    bool m_writeFailed = false;
    ImportSummary m_summary;
    ImportPreview m_preview;
    // Keys of the digests of sameness(), new for every import.
    unsigned char m_digestKeys[2][16];
    QSet<QByteArray> m_liveCards;
    QSet<QByteArray> m_trashedCards;
    // Identities the import gave out, which the wallet does not know yet in preview mode.
    QSet<QString> m_newUuids;
};
