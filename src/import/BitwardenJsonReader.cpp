#include "import/BitwardenJsonReader.h"

#include "import/EntryValues.h"
#include "import/ImportWriter.h"
#include "import/JsonStreamReader.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>

using EntryValues::keep;

namespace {

enum ItemType { Login = 1, SecureNote = 2, CreditCard = 3, Identity = 4, SshKey = 5 };
// Only an encrypted export has this member.
const char encryptionCheck[] = "encKeyValidation_DO_NOT_EDIT";

enum FieldKind { TextField = 0, HiddenField = 1, BooleanField = 2 };

QString text(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isDouble() ? QString::number(value.toDouble()) : value.toString();
}

void takeLogin(const QJsonObject &login, ImportEntry &entry)
{
    entry.username = text(login, "username");
    entry.password = text(login, "password");
    QStringList urls;
    for (const QJsonValue &uri : login.value(QLatin1String("uris")).toArray())
        urls << text(uri.toObject(), "uri");
    EntryValues::setUrls(entry, urls);
    EntryValues::setOtp(entry, QStringLiteral("TOTP"), text(login, "totp"));
}

// The template of the card's brand where there is one.
QString cardTemplate(const QString &brand)
{
    static const QHash<QString, QString> templates{
        {QStringLiteral("Visa"), QStringLiteral("creditcard.visa")},
        {QStringLiteral("Mastercard"), QStringLiteral("creditcard.master")},
        {QStringLiteral("Amex"), QStringLiteral("creditcard.americanexpress")},
        {QStringLiteral("Discover"), QStringLiteral("creditcard.discover")},
        {QStringLiteral("Diners Club"), QStringLiteral("creditcard.diners")},
        {QStringLiteral("Maestro"), QStringLiteral("creditcard.maestro")}};
    return templates.value(brand, QStringLiteral("creditcard.default"));
}

void takeCard(const QJsonObject &card, ImportEntry &entry)
{
    const QString brand = text(card, "brand");
    entry.templateType = cardTemplate(brand);
    if (entry.templateType == QLatin1String("creditcard.default"))
        keep(entry, QStringLiteral("Brand"), brand);
    keep(entry, QStringLiteral("Cardholder"), text(card, "cardholderName"));
    keep(entry, QStringLiteral("Number"), text(card, "number"));
    keep(entry, QStringLiteral("CVC"), text(card, "code"), true);
    const QString month = text(card, "expMonth");
    const QString year = text(card, "expYear");
    keep(entry, QStringLiteral("Expiry"),
         month.isEmpty() || year.isEmpty() ? month + year : month.rightJustified(2, QLatin1Char('0')) + '/' + year);
}

QString joined(const QJsonObject &object, std::initializer_list<const char *> keys, const QString &separator)
{
    QStringList parts;
    for (const char *key : keys) {
        if (!text(object, key).isEmpty())
            parts << text(object, key);
    }
    return parts.join(separator);
}

void takeIdentity(const QJsonObject &identity, ImportEntry &entry)
{
    entry.templateType = QStringLiteral("misc.address");
    keep(entry, QStringLiteral("Name"), joined(identity, {"title", "firstName", "middleName", "lastName"}, " "));
    keep(entry, QStringLiteral("Street"), joined(identity, {"address1", "address2", "address3"}, "\n"));
    keep(entry, QStringLiteral("City"), text(identity, "city"));
    keep(entry, QStringLiteral("State"), text(identity, "state"));
    keep(entry, QStringLiteral("Zip"), text(identity, "postalCode"));
    keep(entry, QStringLiteral("Country"), text(identity, "country"));
    keep(entry, QStringLiteral("Phone"), text(identity, "phone"));
    keep(entry, QStringLiteral("Email"), text(identity, "email"));
    keep(entry, QStringLiteral("Company"), text(identity, "company"));
    keep(entry, QStringLiteral("Username"), text(identity, "username"));
    keep(entry, QStringLiteral("Social Security Number"), text(identity, "ssn"), true);
    keep(entry, QStringLiteral("Passport Number"), text(identity, "passportNumber"), true);
    keep(entry, QStringLiteral("License Number"), text(identity, "licenseNumber"), true);
}

void takeSshKey(const QJsonObject &key, ImportEntry &entry)
{
    keep(entry, QStringLiteral("Private Key"), text(key, "privateKey"), true);
    keep(entry, QStringLiteral("Public Key"), text(key, "publicKey"));
    keep(entry, QStringLiteral("Fingerprint"), text(key, "keyFingerprint"));
}

void takeCustomFields(const QJsonArray &fields, ImportEntry &entry)
{
    for (const QJsonValue &value : fields) {
        const QJsonObject field = value.toObject();
        const QJsonValue fieldValue = field.value(QLatin1String("value"));
        const QString content
            = fieldValue.isBool() ? QLatin1String(fieldValue.toBool() ? "true" : "false") : text(field, "value");
        keep(entry, text(field, "name"), content, field.value(QLatin1String("type")).toInt() == HiddenField);
    }
}

// The passwords the login had before, newest first, as the last lines of the notes.
void takeHistory(const QJsonArray &history, ImportEntry &entry)
{
    if (history.isEmpty())
        return;
    QStringList lines{QStringLiteral("Password history:")};
    for (const QJsonValue &value : history) {
        const QJsonObject old = value.toObject();
        lines << text(old, "lastUsedDate") + QLatin1String(": ") + text(old, "password");
    }
    entry.notes += (entry.notes.isEmpty() ? QString() : QStringLiteral("\n\n")) + lines.join(QLatin1Char('\n'));
}

// Adds the card of one item, the number-th of the file.
void addItem(const QJsonObject &item, int number, const QHash<QString, QString> &folders, ImportWriter &writer)
{
    ImportEntry entry;
    entry.title = text(item, "name");
    entry.notes = text(item, "notes");
    entry.group = folders.value(text(item, "folderId"));
    entry.trashed = !text(item, "deletedDate").isEmpty();
    entry.cardTime = EntryValues::timeFrom(text(item, "revisionDate"));
    switch (item.value(QLatin1String("type")).toInt()) {
    case Login:
        takeLogin(item.value(QLatin1String("login")).toObject(), entry);
        break;
    case SecureNote:
        entry.templateType = QStringLiteral("note.default");
        break;
    case CreditCard:
        takeCard(item.value(QLatin1String("card")).toObject(), entry);
        break;
    case Identity:
        takeIdentity(item.value(QLatin1String("identity")).toObject(), entry);
        break;
    case SshKey:
        takeSshKey(item.value(QLatin1String("sshKey")).toObject(), entry);
        break;
    default:
        writer.reject(QStringLiteral("item %1").arg(number),
                      QStringLiteral("\"%1\" is of a type this program does not know").arg(entry.title));
        return;
    }
    if (item.value(QLatin1String("favorite")).toBool())
        keep(entry, QStringLiteral("Favorite"), QStringLiteral("true"));
    takeCustomFields(item.value(QLatin1String("fields")).toArray(), entry);
    takeHistory(item.value(QLatin1String("passwordHistory")).toArray(), entry);
    writer.add(entry);
}

bool isEncrypted(const QJsonObject &root)
{
    return root.value(QLatin1String("encrypted")).toBool() || root.contains(QLatin1String(encryptionCheck));
}

QHash<QString, QString> folderNames(const QJsonObject &root)
{
    QHash<QString, QString> folders;
    for (const QJsonValue &folder : root.value(QLatin1String("folders")).toArray())
        folders.insert(text(folder.toObject(), "id"), text(folder.toObject(), "name"));
    return folders;
}

} // namespace

bool BitwardenJsonReader::read(QIODevice &device, ImportWriter &writer)
{
    JsonStreamReader json(device);
    const QStringList header{QStringLiteral("encrypted"), QLatin1String(encryptionCheck), QStringLiteral("folders")};
    const QString items = QStringLiteral("items");
    QHash<QString, QString> folders;
    int number = 0;
    const auto add = [&](const QJsonObject &item) {
        addItem(item, ++number, folders, writer);
        return !writer.writeFailed();
    };
    // Exports name the folders before the items, and one read then takes both. Where the items come
    // first, that read stops at them, and they are read again once the whole file has been seen.
    bool foldersFirst = false;
    const auto addAfterFolders = [&](const QJsonObject &item) {
        if (number == 0) {
            foldersFirst = json.kept().contains(QLatin1String("folders"));
            if (!foldersFirst)
                return false;
            folders = folderNames(json.kept());
        }
        return add(item);
    };
    if (!json.read(header, items, addAfterFolders) || (!foldersFirst && !json.read(header, items)))
        return fail(json.errorString());
    // An encrypted export holds no items; were one to list some before saying so, failing undoes them.
    if (isEncrypted(json.kept()))
        return fail(QStringLiteral("this Bitwarden export is encrypted; export the vault again as JSON without "
                                   "encryption"));
    if (!json.foundArray())
        return fail(QStringLiteral("no \"items\" list: not a Bitwarden export"));
    if (foldersFirst)
        return true;
    folders = folderNames(json.kept());
    return json.read({}, items, add) || fail(json.errorString());
}
