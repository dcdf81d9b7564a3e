// The state behind a modal seam: while recording, requests are kept and answered from a queue.
#pragma once

#include <QList>
#include <QQueue>

template <typename Request, typename Answer> class RecordingSeam
{
public:
    bool recording() const { return m_recording; }
    // Recording starts with an empty queue and no requests; stopping drops the answers left over.
    void start()
    {
        m_recording = true;
        m_answers.clear();
        m_requests.clear();
    }
    void stop()
    {
        m_recording = false;
        m_answers.clear();
    }
    void queue(const Answer &answer) { m_answers.enqueue(answer); }
    // Keeps the request and gives the next queued answer, or the fallback when the queue is empty.
    Answer answer(const Request &request, const Answer &fallback = Answer())
    {
        m_requests.append(request);
        return m_answers.isEmpty() ? fallback : m_answers.dequeue();
    }
    QList<Request> requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }

private:
    bool m_recording = false;
    QQueue<Answer> m_answers;
    QList<Request> m_requests;
};
