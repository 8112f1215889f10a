#include "course/ChineseNumber.h"
#include "course/SpokenQuestion.h"
#include "platform/AudioSinkOutput.h"
#include "platform/EspeakVoice.h"

#include <QTest>

namespace {

// Every digit and unit, and two subtractions in a row.
const std::vector<std::int64_t> Question = {305, 412, -67, 22222, -10010, -1, 98765, 3000000, 4646, 18};

// Reads numerals back as a listener hears them: a digit left bare after a
// unit, with no 零 between, is worth one place below it (三百五 is 350, 两万二
// is 22000), so a 零 missing from the words shows.
qint64 heard(const QString& words)
{
    const QString symbols = QStringLiteral("零一二三四五六七八九十百千万");
    const qint64 values[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 100, 1000, 10'000};
    qint64 total = 0, group = 0, digit = 0, bare = 1;
    for (const QChar c : words) {
        const qint64 value = values[symbols.indexOf(c == u'两' ? QChar(u'二') : c)];
        if (value == 10'000) {
            total = (group + digit * bare) * value;
            group = digit = 0;
            bare = 1000;
        } else if (value >= 10) {
            group += std::max<qint64>(digit, 1) * value;
            digit = 0;
            bare = value / 10;
        } else {
            digit = value;
            bare = value == 0 ? 1 : bare;
        }
    }
    return total + group + digit * bare;
}

}  // namespace

class TestSpeech : public QObject {
    Q_OBJECT

private slots:
    void words_data();
    void words();
    void roundTrip();
    void mandarinOnly();
    void pace();
    void noSoundDevice();
};

void TestSpeech::words_data()
{
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("expected");
    const std::pair<qint64, const char*> table[] = {
        {0, "零"}, {10, "十"}, {12, "十二"}, {20, "二十"}, {110, "一百一十"}, {200, "二百"}, {305, "三百零五"},
        {1005, "一千零五"}, {1010, "一千零一十"}, {2000, "两千"}, {2200, "两千二百"}, {12000, "一万二千"},
        {20000, "两万"}, {22222, "两万二千二百二十二"}, {100000, "十万"}, {100500, "十万零五百"},
        {105000, "十万五千"}, {1010000, "一百零一万"}, {2000000, "二百万"}, {2999999, "二百九十九万九千九百九十九"}};
    for (const auto& [number, words] : table)
        QTest::addRow("%lld", static_cast<long long>(number)) << number << QString::fromUtf8(words);
}

void TestSpeech::words()
{
    QFETCH(qint64, number);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(ChineseNumber(number)), expected);
}

void TestSpeech::roundTrip()
{
    for (qint64 number = 0; number < 100'000; ++number) {
        const QString words = QString::fromStdString(ChineseNumber(number));
        // 两 only for a leading 2 before 千 or 万; never 一十 at the head.
        const bool liang = words.size() > 1 && QStringView(u"两二").contains(words[0]) && QStringView(u"千万").contains(words[1]);
        if (heard(words) != number || words.lastIndexOf(u'两') != (liang ? 0 : -1) || words.startsWith(u"一十"))
            QFAIL(qPrintable(QStringLiteral("%1 is said %2").arg(number).arg(words)));
    }
}

// The words espeak-ng reads in a question are all Mandarin; Latin letters show what English looks like.
void TestSpeech::mandarinOnly()
{
    QCOMPARE(QString::fromStdString(SpokenQuestion({305, 412, -67})),
             QStringLiteral("预备——开始，三百零五，加四百一十二，减六十七，等于"));
    for (const auto& [text, english] : {std::pair{SpokenQuestion(Question), false}, {std::string("OK，等于"), true}})
        QCOMPARE(QString::fromStdString(EspeakVoice::Instance().Phonemes(text)).contains("(en)"), english);
}

// Questions of 2, 5 and 10 numbers at each pace last as long as their
// syllables take at the pace, plus about 0.6 s at every "——" and "，"; and
// they are heard, not silent.
void TestSpeech::pace()
{
    EspeakVoice& voice = EspeakVoice::Instance();
    for (const auto& [pace, syllablesPerSecond] :
         {std::pair{SpeechPace::Slow, 2.5}, {SpeechPace::Medium, 4.0}, {SpeechPace::Fast, 6.0}}) {
        for (int count : {2, 5, 10}) {
            QString text = QString::fromStdString(SpokenQuestion({Question.begin(), Question.begin() + count}));
            const QByteArray sound = voice.Say(text.toStdString(), pace)->readAll();
            const auto syllables = static_cast<double>(text.remove(u'，').remove(u'—').size());
            const double expected = syllables / syllablesPerSecond + (count + 2) * 0.6;
            const double seconds = static_cast<double>(sound.size()) / 2 / voice.SampleRate();
            QVERIFY2(std::abs(seconds / expected - 1) < 0.1, qPrintable(QStringLiteral("%1 s").arg(seconds)));
            const auto* samples = reinterpret_cast<const qint16*>(sound.constData());
            QVERIFY(*std::max_element(samples, samples + sound.size() / 2) > 8000);
        }
    }
}

void TestSpeech::noSoundDevice()
{
    // No sound server there: what a machine without sound looks like to Qt.
    qputenv("PULSE_SERVER", "unix:/nonexistent");
    AudioSinkOutput output;
    QVERIFY(!output.Available());
    QVERIFY(!output.Play(EspeakVoice::Instance().Say("等于", SpeechPace::Medium), EspeakVoice::Instance().SampleRate(), {}));
}

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
