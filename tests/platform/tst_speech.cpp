#include "course/SpokenQuestion.h"
#include "platform/AudioSinkOutput.h"
#include "platform/EspeakVoice.h"

#include <QTest>

#include <cstdlib>

namespace {

// The silent stretches of 0.3 s or more, in seconds: the pauses between phrases.
std::vector<double> pauses(const QByteArray& bytes, int sampleRate)
{
    const auto* samples = reinterpret_cast<const std::int16_t*>(bytes.constData());
    const auto count = static_cast<std::size_t>(bytes.size()) / sizeof(std::int16_t);
    std::vector<double> stretches;
    std::size_t quiet = 0;
    for (std::size_t i = 0; i <= count; ++i) {
        if (i < count && std::abs(samples[i]) < 300) {
            ++quiet;
            continue;
        }
        if (quiet >= static_cast<std::size_t>(sampleRate * 3 / 10))
            stretches.push_back(static_cast<double>(quiet) / sampleRate);
        quiet = 0;
    }
    return stretches;
}

}  // namespace

class TestSpeech : public QObject {
    Q_OBJECT

private slots:
    void mandarinOnly_data();
    void mandarinOnly();
    void pace_data();
    void pace();
    void noSoundDevice();
};

void TestSpeech::mandarinOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("english");
    QTest::addRow("question") << QString::fromStdString(SpokenQuestion({305, 412, -67})) << false;
    QTest::addRow("every digit and unit")
        << QString::fromStdString(SpokenQuestion({22222, -10010, 98765, 3000000, 4646, -1})) << false;
    QTest::addRow("Latin letters") << QStringLiteral("OK，等于") << true;
}

void TestSpeech::mandarinOnly()
{
    QFETCH(QString, text);
    QFETCH(bool, english);
    QCOMPARE(QString::fromStdString(EspeakVoice::Instance().Phonemes(text.toStdString())).contains("(en)"), english);
}

void TestSpeech::pace_data()
{
    QTest::addColumn<SpeechPace>("pace");
    QTest::addColumn<double>("syllablesPerSecond");
    QTest::addRow("慢") << SpeechPace::Slow << 2.5;
    QTest::addRow("中") << SpeechPace::Medium << 4.0;
    QTest::addRow("快") << SpeechPace::Fast << 6.0;
}

// Questions of 2, 5 and 10 numbers: the sound lasts as long as their syllables
// at the pace, plus a pause of about 0.6 s at every "——" and "，".
void TestSpeech::pace()
{
    QFETCH(SpeechPace, pace);
    QFETCH(double, syllablesPerSecond);
    for (int count : {2, 5, 10}) {
        std::vector<std::int64_t> numbers;
        for (int i = 0; i < count; ++i)
            numbers.push_back((i % 3 == 2 ? -1 : 1) * (100 + 137 * i % 900));
        const std::string text = SpokenQuestion(numbers);
        EspeakVoice& voice = EspeakVoice::Instance();
        const QByteArray sound = voice.Say(text, pace)->readAll();
        const std::vector<double> silences = pauses(sound, voice.SampleRate());
        QCOMPARE(silences.size(), static_cast<std::size_t>(count + 2));
        double spoken = static_cast<double>(sound.size()) / sizeof(std::int16_t) / voice.SampleRate();
        for (double pause : silences) {
            QVERIFY2(pause > 0.5 && pause < 0.7, qPrintable(QString::number(pause)));
            spoken -= pause;
        }
        const auto syllables = static_cast<double>(QString::fromStdString(text).remove(u'，').remove(u'—').size());
        QVERIFY2(std::abs(syllables / spoken / syllablesPerSecond - 1) < 0.15, qPrintable(QString::number(syllables / spoken)));
    }
}

void TestSpeech::noSoundDevice()
{
    // No sound server there: what a machine without sound looks like to Qt.
    qputenv("PULSE_SERVER", "unix:/nonexistent");
    AudioSinkOutput output;
    QVERIFY(!output.Available());
    QVERIFY(!output.Play(EspeakVoice::Instance().Say("等于", SpeechPace::Medium), EspeakVoice::Instance().SampleRate()));
}

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
