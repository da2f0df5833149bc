#pragma once

#include <QSemaphore>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>

// Two stations at work at the same moment: the attempt runs in a thread of its own
// (with its own connection) while the test, as the other station, holds a transaction
// open. The attempt may pause at a point of its choosing until the test has begun its
// transaction.
class Overlap
{
public:
    Overlap() = default;
    ~Overlap() { finish(); }
    Overlap(const Overlap &) = delete;
    Overlap &operator=(const Overlap &) = delete;

    void start(std::function<void()> attempt)
    {
        m_thread.reset(QThread::create([this, attempt = std::move(attempt)] {
            attempt();
            m_done = true;
        }));
        m_thread->start();
    }

    // In the attempt's thread: stops there until the test calls resume().
    void pauseHere()
    {
        m_paused.release();
        m_resume.acquire();
    }
    void waitUntilPaused() { m_paused.acquire(); }
    void resume() { m_resume.release(); }

    // Gives the attempt time to run into the other station's locks; true when it is
    // still waiting for them afterwards.
    bool stillWaitingAfter(int ms)
    {
        QThread::msleep(ms);
        return !m_done;
    }

    void finish()
    {
        if (m_thread) {
            m_thread->wait();
            m_thread.reset();
        }
    }

private:
    std::unique_ptr<QThread> m_thread;
    QSemaphore m_paused;
    QSemaphore m_resume;
    std::atomic_bool m_done = false;
};
