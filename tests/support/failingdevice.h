#pragma once

// A device that takes a set number of bytes and then fails: the last write
// that still fits partly is short, every later one returns -1, as a full disk
// or a pulled stick does. It records what it took and how often it was asked.

#include <QByteArray>
#include <QIODevice>

class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 budget) : m_budget(budget) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    const QByteArray& taken() const { return m_taken; }
    int writeCalls() const { return m_calls; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        ++m_calls;
        const qint64 room = m_budget - m_taken.size();
        if (room <= 0)
            return -1;
        const qint64 n = qMin(room, size);
        m_taken.append(data, n);
        return n;
    }

private:
    qint64 m_budget;
    QByteArray m_taken;
    int m_calls = 0;
};
