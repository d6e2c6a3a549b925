#pragma once

#include "ImportWallet.h"

#include <QObject>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// What every importer test shares: a fresh wallet holding one card of the user's for each case, a
// folder for export files, and the check after each case that the user's card was not touched.
class ImportTestCase : public QObject
{
    Q_OBJECT

protected:
    using Importer = std::function<bool(CardDb *store, const QString &path)>;

    explicit ImportTestCase(Importer importer);

    QString newPath(const QString &name);
    bool import(const QString &path);
    bool importText(const QByteArray &xml);

    std::unique_ptr<ImportWallet> m_wallet;

private slots:
    void init();
    void cleanup();

private:
    QTemporaryDir m_dir;
    int m_serial = 0;
    Importer m_importer;
};

// The content of an imported card from a hand-written export, whose user name and address are
// always "user" and "site.example".
inline QString exportedCard(const QString &title, const QString &password, const QString &notes = QString())
{
    return QStringList{title, QStringLiteral("user"), password, QStringLiteral("site.example"), notes}.join('|');
}
