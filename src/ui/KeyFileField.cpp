#include "ui/KeyFileField.h"

#include "store/CardDb.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

namespace {

const QString keyFilesKey = QStringLiteral("keyFiles");

QString settingsName(const QString &walletPath)
{
    return QFileInfo(walletPath).absoluteFilePath();
}

QString startFolder(const QString &current)
{
    return current.isEmpty() ? QDir::homePath() : QFileInfo(current).absolutePath();
}

} // namespace

KeyFileField::KeyFileField(QWidget *parent, Mode mode)
    : QWidget(parent)
    , m_path(new QLineEdit(this))
{
    m_path->setObjectName(QStringLiteral("keyFilePath"));
    m_path->setPlaceholderText(tr("No key file"));
    auto *browse = new QPushButton(tr("Browse…"), this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_path, 1);
    layout->addWidget(browse);
    connect(browse, &QPushButton::clicked, this, &KeyFileField::browse);
    if (mode == ChooseOrCreate) {
        auto *create = new QPushButton(tr("Create…"), this);
        create->setObjectName(QStringLiteral("createKeyFile"));
        layout->addWidget(create);
        connect(create, &QPushButton::clicked, this, &KeyFileField::createKeyFile);
    }
}

QString KeyFileField::path() const
{
    return m_path->text().trimmed();
}

void KeyFileField::setPath(const QString &path)
{
    m_path->setText(path);
}

void KeyFileField::recall(const QString &walletPath)
{
    setPath(QSettings().value(keyFilesKey).toMap().value(settingsName(walletPath)).toString());
}

void KeyFileField::remember(const QString &walletPath, const QString &keyFilePath)
{
    QSettings settings;
    QVariantMap keyFiles = settings.value(keyFilesKey).toMap();
    if (keyFilePath.isEmpty())
        keyFiles.remove(settingsName(walletPath));
    else
        keyFiles.insert(settingsName(walletPath), QFileInfo(keyFilePath).absoluteFilePath());
    settings.setValue(keyFilesKey, keyFiles);
}

bool KeyFileField::requiredBy(const QString &walletPath)
{
    WalletInfo info;
    return CardDb::info(walletPath, &info).isError() || info.keyFileRequired;
}

WalletError KeyFileField::credentials(const QString &password, const QString &keyFilePath,
                                      WalletCredentials *credentials)
{
    credentials->password = password;
    credentials->keyFile.clear();
    return keyFilePath.isEmpty() ? WalletError() : KeyFile::read(keyFilePath, &credentials->keyFile);
}

void KeyFileField::browse()
{
    const QString chosen
        = FileDialog::getOpenFileName(this, tr("Choose Key File"), startFolder(path()), tr("All files (*)"));
    if (!chosen.isEmpty())
        setPath(chosen);
}

// A new key file never replaces a file that is there: that may be the key file of another wallet.
void KeyFileField::createKeyFile()
{
    const QString chosen = FileDialog::getSaveFileName(this, tr("Create Key File"), startFolder(path()),
                                                       tr("Key files (*.key);;All files (*)"), QStringLiteral("key"),
                                                       FileDialog::UseAsItIs);
    if (chosen.isEmpty())
        return;
    const WalletError error = KeyFile::create(chosen);
    if (error.isError()) {
        MessageBox::storeError(this, tr("The key file could not be created:"), error);
        return;
    }
    setPath(chosen);
}
