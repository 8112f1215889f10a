#include "TestEnvironment.h"

#include "course/FlashLevel.h"
#include "course/FlashSchedule.h"
#include "course/MentalQuestion.h"
#include "course/MentalSettingsCheck.h"
#include "course/ResultSink.h"
#include "course/WrittenQuestion.h"
#include "exercises/NumberText.h"
#include "mental/FlashPlayer.h"
#include "mental/FlashStage.h"
#include "mental/frmFlash.h"
#include "mental/frmListen.h"
#include "platform/Fonts.h"
#include "platform/PictureBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <cmath>
#include <cstdlib>

namespace {

class RecordingResults final : public ResultSink {
public:
    void Keep(const BeadRunResult&) override {}
    void Keep(const ColumnAnswerResult&) override {}
    void Keep(const MentalQuestionResult& result) override { questions.push_back(result); }
    void Keep(const MentalSetResult& result) override { sets.push_back(result); }

    std::vector<MentalQuestionResult> questions;
    std::vector<MentalSetResult> sets;
};

// What the stage says while a schedule's event is on.
QString spoken(const FlashSchedule::Event& event, const MentalQuestion& question)
{
    if (event.showing == FlashSchedule::Ready)
        return QStringLiteral("预备");
    return event.showing >= 0 ? NumberText(static_cast<double>(question.numbers.at(event.showing))) : QString();
}

}  // namespace

class FlashTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void questions_data();
    void questions();
    void settingsCheck_data();
    void settingsCheck();
    void levels();
    void schedule_data();
    void schedule();
    void setByKeyboard_data();
    void setByKeyboard();
    void fillsWorkspace_data();
    void fillsWorkspace();
    void listenByKeyboard();
    void leftAfterTheLastAnswer();

private:
    template <typename T>
    T* find(const char* name) const
    {
        return m_window->Canvas()->findChild<T*>(QString::fromLatin1(name));
    }
    void key(Qt::Key key) const { QTest::keyClick(QApplication::focusWidget(), key); }
    void flashQuestion();

    std::unique_ptr<TestEnvironment> m_environment;
    RecordingResults m_results;
    std::unique_ptr<QMdiArea> m_area;
    std::unique_ptr<frmFlash> m_window;
};

void FlashTest::init()
{
    m_environment = std::make_unique<TestEnvironment>();
    m_results = {};
    Course::SetResults(m_results);
    m_area = std::make_unique<QMdiArea>();
    m_area->resize(1280, 720);
    m_area->show();
    m_area->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_area.get()));
    m_window = std::make_unique<frmFlash>();
    m_window->Show(*m_area);
}

void FlashTest::cleanup()
{
    m_window->Unload();
    m_window.reset();
    m_area.reset();
    Course::SetResults(Course::NoResults());
    m_environment.reset();
}

void FlashTest::questions_data()
{
    QTest::addColumn<int>("digits");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("mixed");
    QTest::addRow("1位2笔 mixed") << 1 << 2 << true;
    QTest::addRow("1位30笔 mixed") << 1 << 30 << true;
    QTest::addRow("2位6笔 mixed") << 2 << 6 << true;
    QTest::addRow("3位15笔 adding") << 3 << 15 << false;
    QTest::addRow("5位30笔 adding") << 5 << 30 << false;
    QTest::addRow("5位30笔 mixed") << 5 << 30 << true;
}

void FlashTest::questions()
{
    QFETCH(int, digits);
    QFETCH(int, count);
    QFETCH(bool, mixed);
    const std::int64_t low = static_cast<std::int64_t>(std::pow(10, digits - 1));
    int subtracted = 0;
    int chances = 0;
    for (unsigned seed = 0; seed < 500; ++seed) {
        m_environment->random.engine.seed(seed);
        const MentalQuestion question = MakeMentalQuestion(digits, count, mixed, m_environment->random);
        QCOMPARE(int(question.numbers.size()), count);
        QVERIFY(question.numbers.front() > 0);
        std::int64_t total = 0;
        bool anySubtracted = false;
        for (std::size_t k = 0; k < question.numbers.size(); ++k) {
            const std::int64_t n = question.numbers[k];
            QVERIFY2(std::llabs(n) >= low && std::llabs(n) < 10 * low, qPrintable(QString::number(n)));
            if (k > 0) {
                QVERIFY(std::llabs(n) != std::llabs(question.numbers[k - 1]));
                // Where a subtraction would keep the total at 0 or above, the chance of one is even.
                chances += total >= 2 * low && k + 1 < question.numbers.size();
                subtracted += n < 0 && total >= 2 * low && k + 1 < question.numbers.size();
            }
            total += n;
            anySubtracted = anySubtracted || n < 0;
            QVERIFY(total >= 0);
        }
        QCOMPARE(anySubtracted, mixed);
        QCOMPARE(question.Answer(), total);
        QVERIFY(total <= 3'000'000);
    }
    if (mixed && chances > 200)
        QVERIFY2(std::abs(double(subtracted) / chances - 0.5) < 0.1, qPrintable(QString::number(subtracted)));
}

void FlashTest::settingsCheck_data()
{
    QTest::addColumn<QStringList>("entry");  // 位数, 笔数, 题数, 秒数 (none where not flashed)
    QTest::addColumn<int>("refused");        // a MentalSetting, or -1
    QTest::addColumn<QString>("message");
    const int none = -1;
    const int digits = int(MentalSetting::Digits);
    const int count = int(MentalSetting::Count);
    const int seconds = int(MentalSetting::Seconds);
    const int questions = int(MentalSetting::Questions);
    QTest::addRow("defaults") << QStringList{"1", "4", "10", "8"} << none << "";
    QTest::addRow("blanks around") << QStringList{" 5 ", "30", "100", "\t60"} << none << "";
    QTest::addRow("not flashed") << QStringList{"5", "30", "1"} << none << "";
    QTest::addRow("pace at its limit") << QStringList{"3", "30", "10", "2.97"} << none << "";
    QTest::addRow("no digits") << QStringList{"0", "4", "10", "8"} << digits << "位数请输入1到5之间的整数。";
    QTest::addRow("half a digit") << QStringList{"1.5", "4", "10", "8"} << digits << "位数请输入1到5之间的整数。";
    QTest::addRow("count with letters") << QStringList{"1", "12abc", "10", "8"} << count << "笔数请输入2到30之间的整数。";
    QTest::addRow("too many numbers") << QStringList{"1", "31", "10", "8"} << count << "笔数请输入2到30之间的整数。";
    QTest::addRow("full-width count") << QStringList{"1", "１２", "10", "8"} << count << "笔数请输入2到30之间的整数。";
    QTest::addRow("too quick") << QStringList{"1", "4", "10", "0.4"} << seconds << "秒数请输入0.5到60之间的数。";
    QTest::addRow("too slow") << QStringList{"1", "4", "10", "60.5"} << seconds << "秒数请输入0.5到60之间的数。";
    QTest::addRow("faster than 0.1 s") << QStringList{"1", "30", "10", "2.9"} << seconds << "0.1秒";
    QTest::addRow("no questions") << QStringList{"1", "4", "", "8"} << questions << "题数请输入1到100之间的整数。";
    QTest::addRow("exponent") << QStringList{"1", "4", "1e2", "8"} << questions << "题数请输入1到100之间的整数。";
}

void FlashTest::settingsCheck()
{
    QFETCH(QStringList, entry);
    QFETCH(int, refused);
    QFETCH(QString, message);
    MentalSettingsEntry typed{entry[0].toStdString(), entry[1].toStdString(), entry[2].toStdString(), std::nullopt};
    if (entry.size() > 3)
        typed.seconds = entry[3].toStdString();
    const MentalSettingsCheck check = CheckMentalSettings(typed);
    QCOMPARE(check.problem ? int(check.problem->setting) : -1, refused);
    if (check.problem)
        QVERIFY2(QString::fromStdString(check.problem->message).contains(message), check.problem->message.c_str());
    else
        QCOMPARE(check.settings.count, entry[1].trimmed().toInt());
}

void FlashTest::levels()
{
    const QStringList ladder = {
        "1位4笔8秒",     "2位6笔9秒",     "2位7笔10秒",    "3位6笔5秒",     "3位8笔6秒",     "3位10笔7秒",
        "3位12笔8秒",    "3位15笔8秒",    "3位15笔6秒",    "3位15笔4.5秒",  "3位15笔3秒",    "3位15笔2.8秒",
        "3位15笔2.6秒",  "3位15笔2.4秒",  "3位15笔2.2秒",  "3位15笔2秒",    "3位15笔1.9秒",  "3位15笔1.8秒",
        "3位15笔1.7秒",  "3位15笔1.6秒",  "3位15笔1.5秒"};
    QCOMPARE(int(FlashLevels().size()), ladder.size());
    for (std::size_t i = 0; i < FlashLevels().size(); ++i) {
        const FlashLevel& level = FlashLevels()[i];
        QCOMPARE(QString::fromStdString(level.Caption()), ladder[int(i)]);
        const std::string count = std::to_string(level.count);
        const std::string seconds = QString::number(level.seconds).toStdString();
        QVERIFY(!CheckMentalSettings({std::to_string(level.digits), count, "10", seconds}).problem);
    }
}

void FlashTest::schedule_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("seconds");
    QTest::addRow("top rung") << 15 << 1.5;
    QTest::addRow("first rung") << 4 << 8.0;
    QTest::addRow("quickest pair") << 2 << 0.5;
    QTest::addRow("longest") << 30 << 60.0;
}

void FlashTest::schedule()
{
    QFETCH(int, count);
    QFETCH(double, seconds);
    const std::int64_t start = 123'456;
    const FlashSchedule schedule(start, count, seconds);
    const double period = seconds * 1000 / (count - 0.3);
    const std::vector<FlashSchedule::Event>& events = schedule.Events();
    QCOMPARE(int(events.size()), 2 * count + 1);
    QCOMPARE(events.front().at, start);
    QCOMPARE(events.front().showing, int(FlashSchedule::Ready));
    for (int k = 0; k < count; ++k) {
        const FlashSchedule::Event& shown = events[1 + 2 * k];
        const FlashSchedule::Event& gone = events[2 + 2 * k];
        QCOMPARE(shown.showing, k);
        QCOMPARE(gone.showing, k + 1 == count ? int(FlashSchedule::Over) : int(FlashSchedule::Blank));
        // From the start, never chained: no error builds up over the question.
        QVERIFY(std::abs(shown.at - (start + 1000 + k * period)) <= 0.5);
        QVERIFY(std::abs(gone.at - shown.at - 0.7 * period) <= 1);
    }
    QCOMPARE(events.back().at - events[1].at, std::llround(seconds * 1000));
}

void FlashTest::flashQuestion()
{
    FlashPlayer& player = *m_window->Player();
    FlashStage& stage = *m_window->Stage();
    QVERIFY(player.Playing());
    const MentalQuestion& question = m_window->Set()->Question();
    const std::vector<FlashSchedule::Event> events = player.Schedule()->Events();
    FakeClock& clock = m_environment->clock;
    for (std::size_t i = 0; i < events.size(); ++i) {
        QCOMPARE(stage.accessibleName(), spoken(events[i], question));
        if (i + 1 == events.size())
            break;
        QVERIFY(!find<QLineEdit>("txtAnswer")->isEnabled());
        clock.milliTicks = events[i + 1].at - 1;
        player.Step();
        QCOMPARE(stage.accessibleName(), spoken(events[i], question));
        clock.milliTicks = events[i + 1].at;
        player.Step();
        if (events[i + 1].showing >= 0 && stage.Picture()->isVisible())
            QCOMPARE(stage.Abacus().ShownNumber(), double(std::llabs(question.numbers[events[i + 1].showing])));
    }
    QVERIFY(!player.Playing());
    QCOMPARE(QApplication::focusWidget(), find<QLineEdit>("txtAnswer"));
}

void FlashTest::setByKeyboard_data()
{
    QTest::addColumn<QString>("look");
    QTest::addRow("数字") << "数字";
    QTest::addRow("珠像") << "珠像";
}

// Enter starts, digits type, Enter answers and goes on; Esc stops without a summary.
void FlashTest::setByKeyboard()
{
    QFETCH(QString, look);
    find<QComboBox>("comShow")->setCurrentText(look);
    find<QComboBox>("comMix")->setCurrentIndex(1);
    find<QLineEdit>("txtQuestions")->setText("31x");
    key(Qt::Key_Return);
    QCOMPARE(m_environment->messages.boxes.last().text, "题数请输入1到100之间的整数。");
    QVERIFY(!m_window->Set());
    QCOMPARE(QApplication::focusWidget(), find<QLineEdit>("txtQuestions"));
    QCOMPARE(find<QLineEdit>("txtQuestions")->text(), "31x");
    find<QLineEdit>("txtQuestions")->setText("2");
    key(Qt::Key_Return);
    QVERIFY(m_window->Set());
    for (int q = 0; q < 2; ++q) {
        flashQuestion();
        if (QTest::currentTestFailed())
            return;
        const std::int64_t answer = m_window->Set()->Question().Answer() + q;
        m_environment->clock.milliTicks += 2500;
        QTest::keyClicks(QApplication::focusWidget(), QString::number(answer) + "abc");
        key(Qt::Key_Return);
        QCOMPARE(find<QLabel>("labMark")->accessibleName(), q ? "错" : "对");
        QCOMPARE(find<QLabel>("labRight")->text().contains(QString::number(answer - q)), q == 1);
        QCOMPARE(m_results.questions.back().secondsToAnswer, 2.5);
        QCOMPARE(m_results.questions.back().numbers, m_window->Set()->Question().numbers);
        key(Qt::Key_Return);
    }
    QCOMPARE(m_environment->messages.boxes.last().text, "本组共2题，答对1题，答错1题。再练练。");
    QCOMPARE(int(m_results.sets.size()), 1);
    QCOMPARE(m_results.sets[0].exercise, "闪电心算");
    QCOMPARE(QString::fromStdString(m_results.sets[0].settings.presentation), look);

    key(Qt::Key_Return);
    QVERIFY(m_window->Player()->Playing());
    key(Qt::Key_Escape);
    QVERIFY(!m_window->Set() && !m_window->Player()->Playing());
    QCOMPARE(m_window->Stage()->accessibleName(), QString());
    QCOMPARE(m_environment->messages.boxes.size(), 2);
    QCOMPARE(int(m_results.sets.size()), 1);

    // Closed while flashing: nothing goes on.
    key(Qt::Key_Return);
    QTest::mouseClick(find<QPushButton>("cmdExit"), Qt::LeftButton);
    QVERIFY(!m_window->IsLoaded() && !m_window->Set());
    QVERIFY(!m_window->Player() || !m_window->Player()->Playing());
    m_window->Show(*m_area);
    QApplication::processEvents();
    QCOMPARE(find<QLineEdit>("txtQuestions")->text(), "10");
    QCOMPARE(find<QLineEdit>("txtDig")->y(), find<QComboBox>("comLevel")->y());
}

void FlashTest::fillsWorkspace_data()
{
    QTest::addColumn<QSize>("workspace");
    QTest::addRow("1366 x 768 laptop") << QSize(1366, 660);
    QTest::addRow("1920 x 1080 at double density") << QSize(960, 480);
    QTest::addRow("designed size of the others") << QSize(1156, 746);
}

// Every control in sight without scrolling, and the digits at least 40 % of the window's height.
void FlashTest::fillsWorkspace()
{
    QFETCH(QSize, workspace);
    m_area->resize(workspace);
    QApplication::processEvents();
    const auto* scroller = qobject_cast<QScrollArea*>(m_window->Frame()->widget());
    QCOMPARE(scroller->horizontalScrollBar()->maximum() + scroller->verticalScrollBar()->maximum(), 0);
    for (QWidget* box : m_window->Canvas()->findChildren<QWidget*>(QRegularExpression("^(txt|com)")))
        QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(box->objectName()));
    FlashStage& stage = *m_window->Stage();
    QFont font = Fonts::Tahoma(10);
    font.setPixelSize(stage.FitDigits(QStringLiteral("\u221299999")).pixels);
    QVERIFY(QFontMetricsF(font).tightBoundingRect("99999").height() >= 0.4 * m_window->Canvas()->height());
}

// 听心算: the question is heard, not seen, and may be answered while the voice reads it.
void FlashTest::listenByKeyboard()
{
    frmListen window;
    window.Show(*m_area);
    QWidget& canvas = *window.Canvas();
    RecordingSound& sound = m_environment->sound;
    sound.available = false;
    key(Qt::Key_Return);
    QCOMPARE(m_environment->messages.boxes.last().text, "没有找到可以发声的设备，请检查电脑的声音设置。");
    sound.available = true;  // nothing started: the first question below is the first sound
    canvas.findChild<QLineEdit*>("txtQuestions")->setText("2");
    key(Qt::Key_Return);
    for (int q = 0; q < 2; ++q) {
        const MentalQuestion question = window.Set()->Question();
        QVERIFY(sound.playing && !canvas.findChild<QLabel*>("labQuestion")->text().contains(QRegularExpression("\\d")));
        if (q == 1) {  // a second Enter marks nothing; heard twice, then answered late and wrong
            key(Qt::Key_Return);
            QVERIFY(sound.playing && m_results.questions.size() == 1);
            QTest::mouseClick(canvas.findChild<QPushButton*>("cmdRepeat"), Qt::LeftButton);
            sound.Heard();
            m_environment->clock.milliTicks += 2500;
        }
        QTest::keyClicks(QApplication::focusWidget(), QString::number(question.Answer() + q));
        key(Qt::Key_Return);
        QVERIFY(!sound.playing && sound.plays == 2 * q + 1);
        QCOMPARE(m_results.questions.back().secondsToAnswer, q * 2.5);
        QCOMPARE(canvas.findChild<QLabel*>("labQuestion")->text(), WrittenQuestion(question.numbers).c_str());
        key(Qt::Key_Return);
    }
    QCOMPARE(m_environment->messages.boxes.last().text, "本组共2题，答对1题，答错1题。再练练。");
    QVERIFY(m_results.sets.back().exercise == "听心算" && m_results.sets.back().settings.presentation == "中");
    key(Qt::Key_Return);
    key(Qt::Key_Escape);
    QVERIFY(!sound.playing && !window.Set() && sound.plays == 4);
    key(Qt::Key_Return);
    m_window->Show(*m_area);  // another window to the front ends the set and keeps the keyboard
    QVERIFY(!sound.playing && !window.Set() && !canvas.isAncestorOf(QApplication::focusWidget()));
    QTest::mouseClick(canvas.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
    QVERIFY(!sound.playing && !window.IsLoaded() && sound.plays == 5);
    QCOMPARE(WrittenQuestion({305, 412, -67}), "305 + 412 \u2212 67 = 650");
}

// Esc once the last answer is marked still keeps the finished set.
void FlashTest::leftAfterTheLastAnswer()
{
    find<QLineEdit>("txtQuestions")->setText("1");
    key(Qt::Key_Return);
    flashQuestion();
    QTest::keyClicks(QApplication::focusWidget(), QString::number(m_window->Set()->Question().Answer()));
    key(Qt::Key_Return);
    key(Qt::Key_Escape);
    QVERIFY(!m_window->Set() && m_environment->messages.boxes.isEmpty());
    QVERIFY(m_results.sets.size() == 1 && m_results.sets[0].right == 1);
}

QTEST_MAIN(FlashTest)
#include "tst_flash.moc"
