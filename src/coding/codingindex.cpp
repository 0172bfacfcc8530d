#include "coding/codingindex.h"

#include "coding/codingengine.h"
#include "data/database.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QThread>

#include <atomic>

namespace rvl92::coding {

// What one build shares with its worker: the worker writes engine and error,
// and the GUI thread reads them only after the worker has finished.
struct CodingIndex::Job {
    QString file;
    std::atomic<bool> cancel{false};
    std::unique_ptr<CodingEngine> engine;
    QString error;
};

CodingIndex::CodingIndex(QObject* parent) : QObject(parent) {}

CodingIndex::~CodingIndex() {
    stop();
}

void CodingIndex::request(const QString& databaseFile) {
    if (databaseFile == m_file && (m_state == State::Building || m_state == State::Ready))
        return;
    stop();
    m_file = databaseFile;
    start();
}

void CodingIndex::start() {
    m_engine.reset();
    m_error.clear();
    m_state = State::Building;
    auto job = std::make_shared<Job>();
    job->file = m_file;
    m_job = job;
    // The worker has its own connection: nothing of the screens' connections
    // is touched off the GUI thread.
    m_thread = QThread::create([job] {
        Database db;
        DbError error;
        if (!db.open(job->file, &error)) {
            job->error = QStringLiteral("De database %1 kan niet worden geopend: %2")
                             .arg(QDir::toNativeSeparators(job->file), error.description);
            return;
        }
        job->engine = CodingEngine::fromDatabase(db, &error, &job->cancel);
        if (!job->engine && !job->cancel.load())
            job->error = QStringLiteral("De functienamen kunnen niet worden gelezen: %1")
                             .arg(error.description);
    });
    m_thread->setParent(this);
    QThread* thread = m_thread;
    connect(thread, &QThread::finished, this, [this, job, thread] {
        thread->deleteLater();
        if (m_thread == thread)
            m_thread = nullptr;
        finished(job);
    });
    m_thread->start(QThread::LowPriority);
}

void CodingIndex::finished(std::shared_ptr<Job> job) {
    if (job != m_job || m_state != State::Building)
        return; // an outcome already delivered, or a build given up
    m_job.reset();
    if (job->engine) {
        m_engine = std::shared_ptr<const CodingEngine>(std::move(job->engine));
        m_state = State::Ready;
        emit ready();
    } else {
        m_error =
            job->error.isEmpty() ? QStringLiteral("Het voorbereiden is afgebroken.") : job->error;
        m_state = State::Failed;
        emit failed(m_error);
    }
}

void CodingIndex::waitForBuild() {
    if (!m_thread)
        return;
    QThread* thread = m_thread;
    thread->wait();
    m_thread = nullptr;
    if (m_job)
        finished(m_job);
}

void CodingIndex::stop() {
    if (m_job)
        m_job->cancel.store(true);
    if (m_thread) {
        m_thread->wait();
        m_thread = nullptr;
    }
    m_job.reset();
    m_engine.reset();
    m_state = State::Idle;
}

CodingIndex& codingIndex() {
    static QPointer<CodingIndex> index;
    if (!index)
        index = new CodingIndex(QCoreApplication::instance());
    return *index;
}

} // namespace rvl92::coding
