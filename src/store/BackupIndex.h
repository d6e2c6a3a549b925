#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// What each backup in the backups folder holds, kept in a small file there, so that listing the
// backups opens none of them. The folder decides, never the index alone: a backup the index lacks, or
// one changed since it was listed (in size or time), is read and listed anew, and a listed file that
// is gone is dropped. Readable by its owner only, and replaced in one step when it changes.
class BackupIndex
{
public:
    struct Entry
    {
        QString syncUuid;
        // Live cards; -1 when the backup cannot be read.
        int cardCount = -1;
        qint64 size = -1;
        qint64 modifiedMs = 0;
    };

    static const QString fileName;

    explicit BackupIndex(const QString &folder);

    // Brings the index in line with the backups of these names in the folder: any other is dropped.
    void refresh(const QStringList &names);
    // Lists a backup just written, which the caller read in the same lock as it copied.
    void add(const QString &name, const QString &syncUuid, int cardCount);
    void remove(const QString &name);
    Entry entry(const QString &name) const { return m_entries.value(name); }
    // Writes the index when it changed; a failure only means the next listing reads the backups again.
    void save();

private:
    void load();
    bool stamp(const QString &name, Entry *entry) const;

    const QString m_folder;
    QHash<QString, Entry> m_entries;
    bool m_changed = false;
};
