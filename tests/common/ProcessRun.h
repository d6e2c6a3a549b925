#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// One run of a program: what it printed and how it ended (-1 when it did not start or a signal ended it).
struct ProcessRun
{
    int exitCode = -1;
    QString out;
    QString err;

    // Both streams, for a run whose output is read whole.
    QString printed() const { return out + err; }
};

// Runs a program to its end, each of inputLines one line of its standard input, as a script gives them.
// Standard output goes to outputFile when one is named.
inline ProcessRun runProcess(const QString &program, const QStringList &arguments, const QStringList &inputLines = {},
                             const QString &outputFile = QString())
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(program, arguments);
    if (!process.waitForStarted())
        return {};
    QByteArray input;
    for (const QString &line : inputLines)
        input += line.toUtf8() + '\n';
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    ProcessRun run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
