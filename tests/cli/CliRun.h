#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One run of tessera-cli: what it printed and how it ended (-1 when a signal ended it).
struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs tessera-cli in a pipe, each password one line of its standard input, as a script gives them.
// Standard output goes to outputFile when one is named.
inline CliRun runCli(const QStringList &arguments, const QStringList &passwords = {},
                     const QString &outputFile = QString())
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(TESSERA_CLI), arguments);
    if (!process.waitForStarted())
        return {};
    QByteArray input;
    for (const QString &password : passwords)
        input += password.toUtf8() + '\n';
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    CliRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
