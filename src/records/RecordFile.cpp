#include "records/RecordFile.h"

#include "platform/Platform.h"
#include "records/Schema.h"
#include "records/Sql.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTimer>

namespace {

// Another copy of the program writing at the same moment holds the file for
// well under a second; this long only a stuck copy makes anyone wait.
constexpr int BusyTimeoutMs = 5000;
// SQLite's result codes for a file that is damaged or no database, and for a
// row a constraint refuses (a name another copy took first).
constexpr int Corrupt = 11;
constexpr int NotADatabase = 26;
constexpr int Constraint = 19;

// Shown once the event that met the fault is over: the window that handed
// over a result must not find a message box's event loop inside that call.
void tell(const QString& text)
{
    QTimer::singleShot(0, QCoreApplication::instance(), [text] { Platform::Messages().Information(text); });
}

QString nothingKeptThisRun() { return QStringLiteral("本次运行不记录成绩。"); }

}  // namespace

QString RecordFile::DefaultPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/records.sqlite3");
}

RecordFile::RecordFile(QString path)
    : m_path(std::move(path))
    , m_connection(QStringLiteral("records-%1").arg(reinterpret_cast<quintptr>(this)))
{
}

RecordFile::~RecordFile() { disconnect(); }

bool RecordFile::exists() const { return QFileInfo::exists(m_path); }

bool RecordFile::Open(bool create)
{
    if (m_state != State::Shut || (!create && !exists()))
        return m_state == State::Open;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (create && (m_path.isEmpty() || !QDir().mkpath(folder))) {
        stop(State::Unwritable, QStringLiteral("无法在这个文件夹里保存成绩：\n") + folder + u'\n' + nothingKeptThisRun());
        return false;
    }
    switch (connect()) {
    case Fault::None:
        m_state = State::Open;
        return true;
    case Fault::Damaged:
        return replaceDamaged();
    case Fault::Newer:
        stop(State::Newer, QStringLiteral("这个成绩文件是更新版本的灵犀数坊保存的，本版本不能使用它：\n") + m_path
                               + QStringLiteral("\n文件没有改动。") + nothingKeptThisRun());
        return false;
    default:
        stop(State::Unwritable, QStringLiteral("无法打开成绩文件：\n") + m_path + u'\n' + nothingKeptThisRun());
        return false;
    }
}

bool RecordFile::Run(const Step& step)
{
    if (m_state != State::Open)
        return false;
    Fault fault = attempt(step);
    if (fault == Fault::Damaged) {
        if (!replaceDamaged())
            return false;
        fault = attempt(step);
    }
    if (fault != Fault::None && fault != Fault::Refused)
        stop(State::Unwritable, cannotWrite());
    return fault == Fault::None;
}

RecordFile::Fault RecordFile::attempt(const Step& step)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    return judge(step(db));
}

QString RecordFile::cannotWrite() const
{
    return QStringLiteral("无法写入成绩文件：\n") + m_path + u'\n' + nothingKeptThisRun();
}

RecordFile::Fault RecordFile::connect()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    return db.open() ? prepare(db) : Fault::Lost;
}

RecordFile::Fault RecordFile::prepare(QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return judge(query.lastError());
    if (query.value(0).toInt() > Schema::Version)
        return Fault::Newer;
    // WAL keeps every finished result through a killed program and lets two
    // copies write; a commit then waits for no disk flush.
    for (const char* setting : {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = NORMAL"}) {
        if (!query.exec(QString::fromLatin1(setting)))
            return judge(query.lastError());
    }
    query.finish();
    const Fault upgraded = judge(Schema::Upgrade(db));
    if (upgraded != Fault::None)
        return upgraded;
    // Reads the first pages of the tables: enough to find most damage at once, no full check.
    return judge(Sql::Exec(db, QStringLiteral("SELECT count(*) FROM child")));
}

void RecordFile::disconnect()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

bool RecordFile::replaceDamaged()
{
    disconnect();
    const QString aside = moveAside();
    if (aside.isEmpty()) {
        stop(State::Unwritable, QStringLiteral("成绩文件已损坏，也无法改名：\n") + m_path + u'\n' + nothingKeptThisRun());
        return false;
    }
    tell(QStringLiteral("成绩文件已损坏，不能再用。旧文件已改名保存为：\n") + aside
         + QStringLiteral("\n已经新建了一个成绩文件，程序照常运行。"));
    if (connect() != Fault::None) {
        stop(State::Unwritable, QStringLiteral("无法新建成绩文件：\n") + m_path + u'\n' + nothingKeptThisRun());
        return false;
    }
    m_state = State::Open;
    if (m_whenFresh && attempt(m_whenFresh) != Fault::None)
        stop(State::Unwritable, cannotWrite());
    return m_state == State::Open;
}

// Beside the file, named with the date and time: records-损坏-2024-05-01-083000.sqlite3,
// its -wal and -shm files with it.
QString RecordFile::moveAside()
{
    const QFileInfo info(m_path);
    const QString stamp = QDateTime::fromSecsSinceEpoch(Platform::ProgramClock().WallSeconds())
                              .toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QString stem = info.absolutePath() + u'/' + info.completeBaseName() + QStringLiteral("-损坏-") + stamp;
    QString aside;
    for (int n = 1; aside.isEmpty() || QFileInfo::exists(aside); ++n)
        aside = stem + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + u'.' + info.suffix();
    if (!QFile::rename(m_path, aside))
        return {};
    for (const QString& companion : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (QFileInfo::exists(m_path + companion))
            QFile::rename(m_path + companion, aside + companion);
    }
    return aside;
}

void RecordFile::stop(State state, const QString& message)
{
    disconnect();
    m_state = state;
    tell(message);
}

RecordFile::Fault RecordFile::judge(const QSqlError& error)
{
    if (!error.isValid())
        return Fault::None;
    const int code = Sql::Code(error);
    if (code == Corrupt || code == NotADatabase)
        return Fault::Damaged;
    return code == Constraint ? Fault::Refused : Fault::Lost;
}
