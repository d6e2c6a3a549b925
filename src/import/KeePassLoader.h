#pragma once

#include "import/BufferedImportLoader.h"
#include "import/KeePassOtp.h"

#include <QStringList>
#include <QVector>

#include <vector>

// Imports a KeePass 2 XML export. Cards go in only once the whole file has been read, so a damaged
// file adds nothing. Entries are told apart by their UUID: of the entries that share one, the one
// changed last is imported and the others count as duplicates. The earlier versions an entry keeps
// in its History are not imported. Entries in the Recycle Bin group become trashed cards; custom
// strings become extra fields. The inner XML of a database file, whose protected values are still
// encrypted, is refused.
class KeePassLoader : public BufferedImportLoader
{
public:
    KeePassLoader();

    bool startElement(QStringView qualifiedName, const QXmlStreamAttributes &attributes) override;
    bool endElement(QStringView qualifiedName) override;
    bool characters(const QString &text) override;
    bool endDocument() override;

private:
    // Which member of the entry the next Value element fills, as named by the Key before it.
    enum ValueKind {
        NoValue,
        NotesValue,
        OtpValue,
        PasswordValue,
        TitleValue,
        UrlValue,
        UserNameValue,
        CustomValue,
        TemplateValue,
        UuidValue,
        IconValue
    };

    // A group's UUID and Name may come after its entries and sub-groups: every group is kept until
    // the end, and the entries point to theirs.
    struct Group
    {
        QString uuid;
        QString name;
        int parent = -1;
    };

    void takeEntryElement(QStringView name) override;
    void takeGroupElement(QStringView name);
    void takeValue();
    void entryElementStarted(QStringView name, const QXmlStreamAttributes &attributes);
    void completeEntry(ImportEntry &entry) override;

    ValueKind m_valueKind = NoValue;
    QString m_key;
    bool m_valueProtected = false;
    // Protected="True": in a database file's inner XML the value is ciphertext.
    bool m_valueEncrypted = false;
    // The element's text was written as Base64 by this program's export (see KeePassKeys).
    bool m_textEncoded = false;
    bool m_entryEncrypted = false;
    QStringList m_encryptedEntries;
    KeePassOtp m_otp;
    // Depth inside History elements: everything there belongs to an older version of the entry.
    int m_historyDepth = 0;
    std::vector<Group> m_groups;
    // The groups around the element being read, innermost last, as indexes into m_groups.
    QVector<int> m_openGroups;
    bool m_recycleBinEnabled = false;
    QString m_recycleBinUuid;
};
