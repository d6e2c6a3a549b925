#include "ImportTestCase.h"

#include <QtTest>

ImportTestCase::ImportTestCase(Importer importer)
    : m_importer(std::move(importer))
{
}

QString ImportTestCase::newPath(const QString &name)
{
    return m_dir.filePath(QStringLiteral("%1-%2").arg(++m_serial).arg(name));
}

bool ImportTestCase::import(const QString &path)
{
    return m_importer(m_wallet->store(), path);
}

bool ImportTestCase::importText(const QByteArray &xml)
{
    const QString path = newPath(QStringLiteral("export.xml"));
    return writeFile(path, xml) && import(path);
}

void ImportTestCase::init()
{
    m_wallet = std::make_unique<ImportWallet>(newPath(QStringLiteral("wallet.tessera")));
}

void ImportTestCase::cleanup()
{
    QCOMPARE(m_wallet->existingRow(), m_wallet->existingRowBefore());
    m_wallet.reset();
}
