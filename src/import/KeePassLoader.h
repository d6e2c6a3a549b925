#pragma once

#include "import/BufferedImportLoader.h"
#include "import/KeePassOtp.h"

#include <QVector>

// Imports a KeePass 2 XML export. Cards go in only once the whole file has been read, so a damaged
// file adds nothing. The earlier versions an entry keeps in its History are not imported. Entries in
// the Recycle Bin group become trashed cards; custom strings become extra fields.
class KeePassLoader : public BufferedImportLoader
{
public:
    KeePassLoader(CardDb *store, const QString &path);

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
        UuidValue
    };

    struct Group
    {
        QString uuid;
        QString name;
    };

    void takeEntryElement(QStringView name) override;
    void takeGroupElement(QStringView name);
    void takeValue();
    void beginEntry();

    ValueKind m_valueKind = NoValue;
    QString m_key;
    bool m_valueProtected = false;
    KeePassOtp m_otp;
    // Depth inside History elements: everything there belongs to an older version of the entry.
    int m_historyDepth = 0;
    QVector<Group> m_groups;
    bool m_recycleBinEnabled = false;
    QString m_recycleBinUuid;
};
