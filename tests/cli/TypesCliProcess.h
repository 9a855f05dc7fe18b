#pragma once
// Runs the real vamok-cli with a chosen locale and data folder.
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct CliRun {
    int exitCode = -1;
    QString out, err;
};

inline CliRun RunCli(const QStringList& args, const QString& locale = "de_DE.UTF-8",
                     const QString& dataHome = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", locale);
    env.insert("LANG", locale);
    if (!dataHome.isEmpty())
        env.insert("XDG_DATA_HOME", dataHome);
    process.setProcessEnvironment(env);
    process.start(VAMOK_CLI_BINARY, args);
    CliRun run;
    if (!process.waitForFinished(30000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
