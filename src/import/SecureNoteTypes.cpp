#include "import/SecureNoteTypes.h"

#include "import/EntryValues.h"

#include <QHash>
#include <QVector>

namespace {

struct NoteType
{
    const char *name;
    const char *templateType;
    // LastPass's key and the label of the template's field, in pairs.
    QVector<std::pair<const char *, const char *>> fields;
};

const QVector<NoteType> &noteTypes()
{
    static const QVector<NoteType> types{
        {"Credit Card",
         "creditcard.default",
         {{"Name on Card", "Cardholder"},
          {"Number", "Number"},
          {"Security Code", "CVC"},
          {"Expiration Date", "Expiry"},
          {"Start Date", "Issued"}}},
        {"Bank Account",
         "finance.bankaccount",
         {{"Bank Name", "Bank name"},
          {"Account Type", "Type"},
          {"Routing Number", "Routing#"},
          {"Account Number", "Account#"},
          {"SWIFT Code", "SWIFT"},
          {"IBAN Number", "IBAN"},
          {"PIN", "Card PIN"}}},
        {"Address",
         "misc.address",
         {{"Address 1", "Street"},
          {"City / Town", "City"},
          {"State", "State"},
          {"Zip / Postal Code", "Zip"},
          {"Country", "Country"},
          {"Email Address", "Email"},
          {"Phone", "Phone"},
          {"Mobile Phone", "Mobile"},
          {"Fax", "Fax"}}},
        {"Social Security", "misc.socialsecurityno", {{"Name", "Name"}, {"Number", "Number"}}},
        {"Passport",
         "travel.passport",
         {{"Type", "Type"},
          {"Number", "Number"},
          {"Country", "Country Code"},
          {"Nationality", "Nationality"},
          {"Sex", "Sex"},
          {"Date of Birth", "Date of Birth"},
          {"Issuing Authority", "Authority"},
          {"Issued Date", "Issued"},
          {"Expiration Date", "Expires"}}},
        {"Driver's License",
         "license.driving",
         {{"Number", "Number"},
          {"License Class", "Class"},
          {"Name", "Name"},
          {"Address", "Address"},
          {"Date of Birth", "Date of Birth"},
          {"Expiration Date", "Expires"}}},
        {"Wi-Fi Password",
         "computer.wifi",
         {{"SSID", "SSID"}, {"Password", "Password"}, {"Connection Type", "Security"}}},
        {"Database",
         "computer.database",
         {{"Type", "Type"},
          {"Hostname", "Server"},
          {"Port", "Port"},
          {"Database", "Database"},
          {"Username", "Username"},
          {"Password", "Password"}}},
        {"Server", "computer.server", {{"Hostname", "Hostname"}, {"Username", "Username"}, {"Password", "Password"}}},
        {"Email Account",
         "computer.emailaccount",
         {{"Username", "Username"},
          {"Password", "Password"},
          {"Server", "Incoming Server"},
          {"Port", "Incoming Port"}}},
    };
    return types;
}

bool isSecret(const QString &key)
{
    static const QStringList secrets{QStringLiteral("Password"), QStringLiteral("PIN"), QStringLiteral("Security Code"),
                                     QStringLiteral("Number")};
    return secrets.contains(key);
}

} // namespace

namespace SecureNoteTypes {

void fill(ImportEntry &entry, const QString &text)
{
    entry.templateType = QStringLiteral("note.default");
    if (!text.startsWith(QLatin1String("NoteType:"))) {
        entry.notes = text;
        return;
    }
    // The pairs in order; a line without a colon continues the value before it, and the notes run to
    // the end of the text.
    QVector<std::pair<QString, QString>> pairs;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const int colon = line.indexOf(QLatin1Char(':'));
        if (line.startsWith(QLatin1String("Notes:"))) {
            entry.notes = (QStringList{line.mid(6)} + lines.mid(i + 1)).join(QLatin1Char('\n'));
            break;
        }
        if (colon > 0)
            pairs.append({line.left(colon), line.mid(colon + 1)});
        else if (!pairs.isEmpty())
            pairs.last().second += QLatin1Char('\n') + line;
    }
    const QString typeName = pairs.takeFirst().second;
    const NoteType *type = nullptr;
    for (const NoteType &candidate : noteTypes()) {
        if (typeName == QLatin1String(candidate.name))
            type = &candidate;
    }
    if (type)
        entry.templateType = QLatin1String(type->templateType);
    else
        EntryValues::keep(entry, QStringLiteral("NoteType"), typeName);
    for (const auto &[key, value] : qAsConst(pairs)) {
        if (key == QLatin1String("Language"))
            continue;
        QString label = key;
        if (type) {
            for (const auto &[from, to] : type->fields) {
                if (key == QLatin1String(from))
                    label = QLatin1String(to);
            }
        }
        // Login values go where the writer puts a template's user name and password.
        if (type && label == QLatin1String("Username") && entry.username.isEmpty())
            entry.username = value;
        else if (type && label == QLatin1String("Password") && entry.password.isEmpty())
            entry.password = value;
        else
            EntryValues::keep(entry, label, value, isSecret(key));
    }
}

} // namespace SecureNoteTypes
