#include "import/ImportFormats.h"

#include "import/BitwardenJsonReader.h"
#include "import/CsvFormats.h"
#include "import/CsvImportReader.h"
#include "import/CsvReader.h"
#include "import/KeePassLoader.h"
#include "import/KeePassXLoader.h"
#include "import/PSafeLoader.h"
#include "import/TesseraJsonReader.h"

#include <QBuffer>
#include <QIODevice>
#include <QSet>

namespace {

struct FormatInfo
{
    const char *name;
    const char *title;
};

// In the order of the enumeration.
const FormatInfo formats[] = {
    {"keepassx", "KeePassX (XML)"},       {"keepass", "KeePass (XML)"},
    {"psafe", "Password Safe (XML)"},     {"bitwarden-json", "Bitwarden (JSON)"},
    {"bitwarden-csv", "Bitwarden (CSV)"}, {"chrome-csv", "Chrome, Chromium, Edge, Brave, Opera (CSV)"},
    {"firefox-csv", "Firefox (CSV)"},     {"keepassxc-csv", "KeePassXC (CSV)"},
    {"lastpass-csv", "LastPass (CSV)"},   {"1password-csv", "1Password (CSV)"},
    {"dashlane-csv", "Dashlane (CSV)"},   {"tessera-json", "Tessera (JSON)"},
};

using ImportFormats::Format;

std::optional<Format> fromXml(const QByteArray &head)
{
    if (head.contains("<!DOCTYPE KEEPASSX_DATABASE>"))
        return ImportFormats::KeePassX;
    if (head.contains("<KeePassFile"))
        return ImportFormats::KeePass;
    if (head.contains("<passwordsafe"))
        return ImportFormats::PSafe;
    return std::nullopt;
}

std::optional<Format> fromJson(const QByteArray &head)
{
    if (head.contains("\"items\"") || head.contains("\"encrypted\"") || head.contains("\"folders\""))
        return ImportFormats::BitwardenJson;
    if (head.contains("\"cards\""))
        return ImportFormats::TesseraJson;
    return std::nullopt;
}

std::optional<Format> fromCsvHeader(const QByteArray &head)
{
    QBuffer buffer;
    buffer.setData(head);
    buffer.open(QIODevice::ReadOnly);
    QStringList header;
    if (!CsvReader(buffer).next(header))
        return std::nullopt;
    QSet<QString> columns;
    for (const QString &column : qAsConst(header))
        columns.insert(column.trimmed().toLower());
    const auto has = [&columns](const char *column) { return columns.contains(QLatin1String(column)); };
    if (has("login_uri") || has("login_username") || has("login_password"))
        return ImportFormats::BitwardenCsv;
    if (has("httprealm") || has("formactionorigin") || has("timepasswordchanged"))
        return ImportFormats::FirefoxCsv;
    if (has("extra") && has("grouping"))
        return ImportFormats::LastPassCsv;
    if (has("username2") || has("otpsecret") || has("otpurl"))
        return ImportFormats::DashlaneCsv;
    if (has("group") && has("title"))
        return ImportFormats::KeePassXcCsv;
    if (has("title") && (has("url") || has("website") || has("otpauth")))
        return ImportFormats::OnePasswordCsv;
    if (has("name") && has("url") && has("password"))
        return ImportFormats::ChromeCsv;
    return std::nullopt;
}

} // namespace

namespace ImportFormats {

QStringList names()
{
    QStringList list;
    for (const FormatInfo &format : formats)
        list << QLatin1String(format.name);
    return list;
}

QString nameOf(Format format)
{
    return QLatin1String(formats[format].name);
}

QString titleOf(Format format)
{
    return QLatin1String(formats[format].title);
}

std::optional<Format> named(const QString &name)
{
    const int index = names().indexOf(name);
    return index < 0 ? std::nullopt : std::make_optional(Format(index));
}

std::optional<Format> detect(QIODevice &device)
{
    QByteArray head = device.peek(64 * 1024);
    if (head.startsWith("\xef\xbb\xbf"))
        head.remove(0, 3);
    const QByteArray start = head.trimmed();
    if (start.startsWith('<'))
        return fromXml(head);
    if (start.startsWith('{'))
        return fromJson(head);
    return fromCsvHeader(head);
}

std::unique_ptr<ImportReader> readerFor(Format format)
{
    const auto csv = [](CsvImportReader::RowMapping mapping, const char *required) {
        return std::make_unique<CsvImportReader>(mapping, QString::fromLatin1(required).split(QLatin1Char(',')));
    };
    switch (format) {
    case KeePassX:
        return std::make_unique<KeePassXLoader>();
    case KeePass:
        return std::make_unique<KeePassLoader>();
    case PSafe:
        return std::make_unique<PSafeLoader>();
    case BitwardenJson:
        return std::make_unique<BitwardenJsonReader>();
    case BitwardenCsv:
        return csv(&CsvFormats::bitwarden, "name,login_uri,login_username,login_password");
    case ChromeCsv:
        return csv(&CsvFormats::chrome, "url,username,password");
    case FirefoxCsv:
        return csv(&CsvFormats::firefox, "url,username,password");
    case KeePassXcCsv:
        return csv(&CsvFormats::keePassXc, "group,title,username,password");
    case LastPassCsv:
        return csv(&CsvFormats::lastPass, "url,username,password,extra,name");
    case OnePasswordCsv:
        return csv(&CsvFormats::onePassword, "title,username,password");
    case DashlaneCsv:
        return csv(&CsvFormats::dashlane, "username,title,password");
    case TesseraJson:
        return std::make_unique<TesseraJsonReader>();
    }
    return nullptr;
}

} // namespace ImportFormats
