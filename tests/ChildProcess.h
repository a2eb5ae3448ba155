// Other programs the tests start and end: X servers, compositors, window managers, the game.
#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <functional>

// How long a state that must come is waited for. Waiting ends as soon as it is there, so only a
// failing test ever waits this long; a loaded machine may take many times what an idle one does.
constexpr int Patience = 60000;

inline QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// A started program that is ended, whatever happens, when the test is over.
class Child {
public:
    // What it writes to stderr goes to a file, so that a full pipe never stops it.
    Child(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
        const QString& errors = QProcess::nullDevice())
    {
        process_.setStandardErrorFile(errors);
        process_.setProgram(program);
        process_.setArguments(arguments);
        process_.setProcessEnvironment(environment);
        process_.start();
    }
    ~Child() { stop(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    QProcess& process() { return process_; }
    bool running() const { return process_.state() != QProcess::NotRunning; }

    // The first line it prints, trimmed, as servers tell where they can be reached; empty if it
    // ends or says nothing within the time.
    QByteArray FirstLine(int ms)
    {
        QByteArray line;
        QElapsedTimer clock;
        clock.start();
        while (!line.endsWith('\n') && running() && clock.elapsed() < ms) {
            process_.waitForReadyRead(100);
            line += process_.readAllStandardOutput();
        }
        return line.endsWith('\n') ? line.trimmed() : QByteArray();
    }

    void stop()
    {
        if (!running())
            return;
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }

private:
    QProcess process_;
};

// Runs a tool to its end and gives back what it printed.
inline QByteArray run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
    int* exitCode = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(Patience)) {
        process.kill();
        process.waitForFinished();
    }
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput();
}

inline bool waitUntil(int ms, const std::function<bool()>& done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QThread::msleep(100);
    }
    return true;
}
