#include "store/BackupIndex.h"

#include "store/CardDb.h"
#include "store/FileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

const QByteArray header = QByteArrayLiteral("tessera backups index 1");

} // namespace

const QString BackupIndex::fileName = QStringLiteral("backups.index");

BackupIndex::BackupIndex(const QString &folder)
    : m_folder(folder)
{
    load();
}

// An index that cannot be read in full counts as none: every backup is then read again.
void BackupIndex::load()
{
    QFile file(QDir(m_folder).filePath(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.value(0) != header) {
        m_changed = true;
        return;
    }
    for (int i = 1; i < lines.size(); ++i) {
        if (lines.at(i).isEmpty())
            continue;
        const QList<QByteArray> fields = lines.at(i).split('\t');
        bool counted = false, sized = false, timed = false;
        Entry entry;
        if (fields.size() == 5) {
            entry.syncUuid = QString::fromUtf8(QByteArray::fromPercentEncoding(fields.at(1)));
            entry.cardCount = fields.at(2).toInt(&counted);
            entry.size = fields.at(3).toLongLong(&sized);
            entry.modifiedMs = fields.at(4).toLongLong(&timed);
        }
        if (!counted || !sized || !timed) {
            m_entries.clear();
            m_changed = true;
            return;
        }
        m_entries.insert(QString::fromUtf8(QByteArray::fromPercentEncoding(fields.at(0))), entry);
    }
}

bool BackupIndex::stamp(const QString &name, Entry *entry) const
{
    const QFileInfo file(QDir(m_folder).filePath(name));
    if (!file.isFile())
        return false;
    entry->size = file.size();
    entry->modifiedMs = file.lastModified().toMSecsSinceEpoch();
    return true;
}

void BackupIndex::refresh(const QStringList &names)
{
    QHash<QString, Entry> fresh;
    for (const QString &name : names) {
        Entry now;
        if (!stamp(name, &now))
            continue;
        const auto listed = m_entries.constFind(name);
        if (listed != m_entries.cend() && listed->size == now.size && listed->modifiedMs == now.modifiedMs) {
            fresh.insert(name, *listed);
            continue;
        }
        const WalletSummary summary = CardDb::summary(QDir(m_folder).filePath(name));
        now.syncUuid = summary.syncUuid;
        now.cardCount = summary.cardCount;
        fresh.insert(name, now);
        m_changed = true;
    }
    m_changed = m_changed || fresh.size() != m_entries.size();
    m_entries = fresh;
}

void BackupIndex::add(const QString &name, const QString &syncUuid, int cardCount)
{
    Entry entry{syncUuid, cardCount};
    if (stamp(name, &entry)) {
        m_entries.insert(name, entry);
        m_changed = true;
    }
}

void BackupIndex::remove(const QString &name)
{
    m_changed = m_entries.remove(name) > 0 || m_changed;
}

void BackupIndex::save()
{
    if (!m_changed)
        return;
    QByteArray text = header + '\n';
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        text += QUrl::toPercentEncoding(it.key()) + '\t' + QUrl::toPercentEncoding(it->syncUuid) + '\t'
            + QByteArray::number(it->cardCount) + '\t' + QByteArray::number(it->size) + '\t'
            + QByteArray::number(it->modifiedMs) + '\n';
    }
    const QString target = QDir(m_folder).filePath(fileName);
    const QString staged = FileOps::createStagedFile(target);
    if (staged.isEmpty())
        return;
    QFile file(staged);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush();
    file.close();
    if (written && FileOps::replaceAtomically(staged, target, nullptr, FileOps::Permissions::OwnerOnly))
        m_changed = false;
    else
        FileOps::discardStagedFile(staged);
}
