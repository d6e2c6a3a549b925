#include "export/CardExport.h"

#include "export/CsvExport.h"
#include "export/JsonExport.h"
#include "export/KeePassXmlExport.h"
#include "store/FileOps.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QStringList names{QStringLiteral("json"), QStringLiteral("keepass"), QStringLiteral("csv")};

bool inScope(const StoredCard &row, CardDb::ListScope scope)
{
    return scope == CardDb::AllCards || row.trashed == (scope == CardDb::TrashedCards);
}

} // namespace

std::optional<CardExport::Format> CardExport::formatNamed(const QString &name)
{
    const int index = names.indexOf(name);
    return index < 0 ? std::nullopt : std::make_optional(Format(index));
}

QStringList CardExport::formatNames()
{
    return names;
}

bool CardExport::write(Format format, const CardSource &source, QIODevice &device)
{
    switch (format) {
    case Json:
        return JsonExport::write(source, device);
    case KeePassXml:
        return KeePassXmlExport::write(source, device);
    case Csv:
        return CsvExport::write(source, device);
    }
    return false;
}

bool CardExport::write(Format format, CardDb &store, QIODevice &device, QString *error)
{
    // A damaged page can hide rows from a scan without any error: every page is checked first.
    if (const WalletError damage = CardDb::probe(store.path(), CardDb::EveryPage); damage.isError()) {
        *error = damage.message();
        return false;
    }
    bool readFailed = false;
    const CardSource source = [&](CardDb::ListScope scope, const std::function<bool(const StoredCard &)> &visit) {
        readFailed = !store.forEachCard(visit, scope);
        return !readFailed;
    };
    if (write(format, source, device))
        return true;
    *error = readFailed ? store.lastError().message() : device.errorString();
    return false;
}

bool CardExport::write(Format format, const std::vector<StoredCard> &rows, QIODevice &device, QString *error)
{
    const CardSource source = [&rows](CardDb::ListScope scope, const std::function<bool(const StoredCard &)> &visit) {
        for (const StoredCard &row : rows) {
            if (inScope(row, scope) && !visit(row))
                break;
        }
        return true;
    };
    if (write(format, source, device))
        return true;
    *error = device.errorString();
    return false;
}

bool CardExport::writeFile(Format format, CardDb &store, const QString &path, QString *error)
{
    if (FileOps::isStream(path))
        return writeStream(format, store, path, error);
    const QString staged = FileOps::createStagedFile(path, error);
    if (staged.isEmpty())
        return false;
    bool written = false;
    {
        QFile file(staged);
        written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) ? write(format, store, file, error)
                                                                        : (*error = file.errorString(), false);
        if (written && !file.flush()) {
            *error = file.errorString();
            written = false;
        }
    }
    if (!written || !FileOps::replaceAtomically(staged, path, error, FileOps::Permissions::OwnerOnly)) {
        FileOps::discardStagedFile(staged);
        return false;
    }
    return true;
}

// There is no file to stage beside a pipe or a device: the export goes into it as it is written.
bool CardExport::writeStream(Format format, CardDb &store, const QString &path, QString *error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    QFile stream;
    if (!stream.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *error = stream.errorString();
        return false;
    }
    if (!write(format, store, stream, error))
        return false;
    if (!stream.flush()) {
        *error = stream.errorString();
        return false;
    }
    return true;
}
