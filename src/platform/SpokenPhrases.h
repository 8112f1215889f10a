#pragma once

#include <QByteArray>
#include <QIODevice>

#include <functional>
#include <string>
#include <vector>

// Speech as a read-only stream of samples, each phrase synthesised only once
// the reader has taken the ones before it, with a pause between phrases. So
// the first samples are ready at once, and no read keeps the UI thread longer
// than one phrase takes: a question of thirty long numbers at once would.
class SpokenPhrases final : public QIODevice {
public:
    using Synthesiser = std::function<QByteArray(const std::string& phrase)>;

    // Opens itself for reading.
    SpokenPhrases(std::vector<std::string> phrases, Synthesiser synthesise, qsizetype pauseBytes);

    bool isSequential() const override { return true; }
    bool atEnd() const override;
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    void makeReady();

    std::vector<std::string> m_phrases;
    std::size_t m_next = 0;
    Synthesiser m_synthesise;
    qsizetype m_pauseBytes;
    QByteArray m_ready;  // the current phrase with the pause before it
    qsizetype m_readTo = 0;
};
