#include "support/SimProcess.h"

#include <QStringList>
#include <stdexcept>

SimProcess::SimProcess(const std::string& dialect, const std::string& stateFile,
                       const std::vector<std::string>& extraArgs)
{
    QStringList args{"--dialect", QString::fromStdString(dialect), "--state",
                     QString::fromStdString(stateFile)};
    for (const auto& a : extraArgs)
        args << QString::fromStdString(a);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(VAMOK_SIM_BINARY), args);
    if (!process_.waitForStarted(5000))
        throw std::runtime_error("vamok-sim did not start");
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(5000))
            throw std::runtime_error("vamok-sim printed no PTY line");
    }
    const QString line = QString::fromLocal8Bit(process_.readLine()).trimmed();
    if (!line.startsWith("PTY "))
        throw std::runtime_error("unexpected first line from vamok-sim: " + line.toStdString());
    pty_ = line.mid(4).toStdString();
}

SimProcess::~SimProcess() { stop(); }

void SimProcess::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}
