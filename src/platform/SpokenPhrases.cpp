#include "platform/SpokenPhrases.h"

#include <algorithm>
#include <cstring>

SpokenPhrases::SpokenPhrases(std::vector<std::string> phrases, Synthesiser synthesise, qsizetype pauseBytes)
    : m_phrases(std::move(phrases)), m_synthesise(std::move(synthesise)), m_pauseBytes(pauseBytes)
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool SpokenPhrases::atEnd() const { return m_next == m_phrases.size() && m_readTo == m_ready.size(); }

qint64 SpokenPhrases::bytesAvailable() const { return m_ready.size() - m_readTo + QIODevice::bytesAvailable(); }

qint64 SpokenPhrases::readData(char* data, qint64 maxSize)
{
    makeReady();
    const qint64 count = std::min<qint64>(maxSize, m_ready.size() - m_readTo);
    std::memcpy(data, m_ready.constData() + m_readTo, static_cast<std::size_t>(count));
    m_readTo += count;
    return count;
}

qint64 SpokenPhrases::writeData(const char*, qint64) { return -1; }

// Until there is something to read or nothing left to say: a reader that
// gets nothing before the end takes it for a stall.
void SpokenPhrases::makeReady()
{
    while (m_readTo == m_ready.size() && m_next < m_phrases.size()) {
        m_ready = m_next > 0 ? QByteArray(m_pauseBytes, '\0') : QByteArray();
        m_ready += m_synthesise(m_phrases[m_next++]);
        m_readTo = 0;
    }
}
