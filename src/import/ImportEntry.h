#pragma once

#include <QDateTime>
#include <QString>
#include <QVector>

// A value of an entry that has no field of its own in the card's template: kept as an extra text field.
struct ImportField
{
    QString label;
    QString value;
    bool sensitive = false;
};

// One entry of a foreign export, as far as a card needs it.
struct ImportEntry
{
    QString title;
    QString username;
    QString password;
    QString notes;
    QString url;
    // An otpauth:// URI, or empty.
    QString otp;
    QVector<ImportField> extraFields;
    // The groups the entry sits in below the export's root, joined with "/"; empty at the root.
    QString group;
    // The entry was in the exporting program's trash.
    bool trashed = false;
    // Written by this program's own export: the card's template and identity, so that the card comes
    // back as it was. Empty for other programs' exports.
    QString templateType;
    QString uuid;
    // The card's icon as this program's export wrote it; -1 gives the template's.
    int iconId = -1;
    // The card's time when the export keeps when the entry last changed; else the time of the import.
    QDateTime cardTime;
    // Only used to choose among copies of one entry; never copied into the card.
    QDateTime lastModified;
    // For a format whose groups may name themselves after their entries: the group the entry sat in,
    // by the format's own numbering, until group and trashed can be filled in.
    int groupIndex = -1;
};
