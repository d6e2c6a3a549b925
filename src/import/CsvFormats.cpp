#include "import/CsvFormats.h"

#include "import/CsvRow.h"
#include "import/EntryValues.h"
#include "import/SecureNoteTypes.h"

#include <QUrl>

using EntryValues::keep;
using EntryValues::setOtp;
using EntryValues::setUrls;

namespace {

// A flag that is off (empty, 0, false) says nothing; one that is on is kept under its column's name.
void takeIfOff(CsvRow &row, const char *column)
{
    const QString value = row.take(QLatin1String(column)).trimmed().toLower();
    if (!value.isEmpty() && value != QLatin1String("0") && value != QLatin1String("false"))
        row.release(QLatin1String(column));
}

bool isOn(const QString &flag)
{
    const QString value = flag.trimmed().toLower();
    return value == QLatin1String("1") || value == QLatin1String("true") || value == QLatin1String("yes");
}

// Browsers name a login after nothing but its site.
QString hostOf(const QString &url)
{
    const QString host = QUrl(url).host();
    return host.isEmpty() ? url : host;
}

// Some exports put several addresses in one cell, one a line.
QStringList linesOf(const QString &text)
{
    return text.split(QLatin1Char('\n'));
}

} // namespace

namespace CsvFormats {

void bitwarden(CsvRow &row, ImportEntry &entry)
{
    entry.group = row.take(QStringLiteral("folder"));
    takeIfOff(row, "favorite");
    takeIfOff(row, "reprompt");
    const QString type = row.take(QStringLiteral("type")).trimmed();
    if (type == QLatin1String("note"))
        entry.templateType = QStringLiteral("note.default");
    else if (!type.isEmpty() && type != QLatin1String("login"))
        keep(entry, QStringLiteral("type"), type);
    entry.title = row.take(QStringLiteral("name"));
    entry.notes = row.take(QStringLiteral("notes"));
    // Custom fields, one "name: value" a line.
    for (const QString &line : linesOf(row.take(QStringLiteral("fields")))) {
        const int colon = line.indexOf(QLatin1String(": "));
        if (colon > 0)
            keep(entry, line.left(colon), line.mid(colon + 2));
        else
            keep(entry, QStringLiteral("fields"), line);
    }
    setUrls(entry, row.take(QStringLiteral("login_uri")).split(QLatin1Char(',')));
    entry.username = row.take(QStringLiteral("login_username"));
    entry.password = row.take(QStringLiteral("login_password"));
    setOtp(entry, QStringLiteral("login_totp"), row.take(QStringLiteral("login_totp")));
}

void chrome(CsvRow &row, ImportEntry &entry)
{
    setUrls(entry, linesOf(row.take(QStringLiteral("url"))));
    entry.title = row.take(QStringLiteral("name"));
    if (entry.title.isEmpty())
        entry.title = hostOf(entry.url);
    entry.username = row.take(QStringLiteral("username"));
    entry.password = row.take(QStringLiteral("password"));
    entry.notes = row.takeAny({"note", "notes"});
}

void firefox(CsvRow &row, ImportEntry &entry)
{
    setUrls(entry, linesOf(row.take(QStringLiteral("url"))));
    entry.title = hostOf(entry.url);
    entry.username = row.take(QStringLiteral("username"));
    entry.password = row.take(QStringLiteral("password"));
    // Firefox's own identity of the login and when it was last used say nothing about the card.
    row.take(QStringLiteral("guid"));
    row.take(QStringLiteral("timelastused"));
    const QDateTime created = EntryValues::timeFrom(row.take(QStringLiteral("timecreated")));
    const QDateTime changed = EntryValues::timeFrom(row.take(QStringLiteral("timepasswordchanged")));
    entry.cardTime = changed.isValid() ? changed : created;
    // The form's origin is the site's own in almost every row: only another one tells something.
    const QString formOrigin = row.take(QStringLiteral("formactionorigin"));
    if (!formOrigin.isEmpty() && !entry.url.startsWith(formOrigin))
        keep(entry, QStringLiteral("formActionOrigin"), formOrigin);
}

void keePassXc(CsvRow &row, ImportEntry &entry)
{
    // The path starts with the database's root group, which no card needs to name.
    QString group = row.take(QStringLiteral("group"));
    group = group.contains(QLatin1Char('/')) ? group.mid(group.indexOf(QLatin1Char('/')) + 1) : QString();
    entry.trashed = group == QLatin1String("Recycle Bin") || group.startsWith(QLatin1String("Recycle Bin/"));
    entry.group = entry.trashed ? QString() : group;
    entry.title = row.take(QStringLiteral("title"));
    entry.username = row.take(QStringLiteral("username"));
    entry.password = row.take(QStringLiteral("password"));
    setUrls(entry, linesOf(row.take(QStringLiteral("url"))));
    entry.notes = row.take(QStringLiteral("notes"));
    setOtp(entry, QStringLiteral("TOTP"), row.take(QStringLiteral("totp")));
    // The number of one of KeePassXC's own icons, which mean nothing here.
    row.take(QStringLiteral("icon"));
    row.take(QStringLiteral("created"));
    entry.cardTime = EntryValues::timeFrom(row.take(QStringLiteral("last modified")));
}

void lastPass(CsvRow &row, ImportEntry &entry)
{
    const QString url = row.take(QStringLiteral("url"));
    entry.title = row.take(QStringLiteral("name"));
    entry.group = row.take(QStringLiteral("grouping")).replace(QLatin1Char('\\'), QLatin1Char('/'));
    takeIfOff(row, "fav");
    entry.username = row.take(QStringLiteral("username"));
    entry.password = row.take(QStringLiteral("password"));
    setOtp(entry, QStringLiteral("totp"), row.take(QStringLiteral("totp")));
    const QString extra = row.take(QStringLiteral("extra"));
    // LastPass writes its secure notes as rows with the address "http://sn".
    if (url == QLatin1String("http://sn")) {
        SecureNoteTypes::fill(entry, extra);
        return;
    }
    setUrls(entry, {url});
    entry.notes = extra;
}

void onePassword(CsvRow &row, ImportEntry &entry)
{
    entry.title = row.take(QStringLiteral("title"));
    setUrls(entry, linesOf(row.takeAny({"url", "website", "urls"})));
    entry.username = row.take(QStringLiteral("username"));
    entry.password = row.take(QStringLiteral("password"));
    setOtp(entry, QStringLiteral("OTPAuth"), row.takeAny({"otpauth", "one-time password"}));
    entry.notes = row.takeAny({"notes", "notesplain"});
    entry.trashed = isOn(row.take(QStringLiteral("archived")));
    takeIfOff(row, "favorite");
    const QString type = row.takeAny({"type", "category"});
    if (type.compare(QLatin1String("Secure Note"), Qt::CaseInsensitive) == 0)
        entry.templateType = QStringLiteral("note.default");
    else if (!type.isEmpty() && type.compare(QLatin1String("Login"), Qt::CaseInsensitive) != 0)
        keep(entry, QStringLiteral("Type"), type);
    entry.group = row.take(QStringLiteral("tags"));
}

void dashlane(CsvRow &row, ImportEntry &entry)
{
    entry.title = row.take(QStringLiteral("title"));
    entry.username = row.take(QStringLiteral("username"));
    keep(entry, QStringLiteral("username2"), row.take(QStringLiteral("username2")));
    keep(entry, QStringLiteral("username3"), row.take(QStringLiteral("username3")));
    entry.password = row.take(QStringLiteral("password"));
    entry.notes = row.take(QStringLiteral("note"));
    setUrls(entry, linesOf(row.take(QStringLiteral("url"))));
    entry.group = row.take(QStringLiteral("category"));
    setOtp(entry, QStringLiteral("otpSecret"), row.takeAny({"otpsecret", "otpurl"}));
}

} // namespace CsvFormats
