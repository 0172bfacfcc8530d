#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QThread;

namespace rvl92::coding {

class CodingEngine;

// The coding engine of one database file, built on a worker thread so that no
// window waits for it, and then shared by everything in the program that
// codes (the engine only reads once built).
class CodingIndex : public QObject {
    Q_OBJECT
public:
    enum class State { Idle, Building, Ready, Failed };

    explicit CodingIndex(QObject* parent = nullptr);
    // A build still running is cancelled and waited for.
    ~CodingIndex() override;

    // Builds the engine of `databaseFile` unless it is ready or being built.
    // Another file replaces the engine (a running build is cancelled first).
    void request(const QString& databaseFile);

    State state() const { return m_state; }
    QString databaseFile() const { return m_file; }
    // Null unless Ready.
    std::shared_ptr<const CodingEngine> engine() const { return m_engine; }
    // Dutch, when Failed.
    QString errorText() const { return m_error; }

    // Waits for a running build and delivers its outcome now (tests, and a
    // caller that cannot go on without the engine).
    void waitForBuild();

signals:
    void ready();
    void failed(const QString& message);

private:
    struct Job;
    void start();
    void stop();
    void finished(std::shared_ptr<Job> job);

    State m_state = State::Idle;
    QString m_file;
    QString m_error;
    std::shared_ptr<const CodingEngine> m_engine;
    std::shared_ptr<Job> m_job;
    QThread* m_thread = nullptr;
};

// The program's one index, owned by the application object.
CodingIndex& codingIndex();

} // namespace rvl92::coding
