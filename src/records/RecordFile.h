#pragma once

#include <QString>

#include <functional>

class QSqlDatabase;
class QSqlError;

// The SQLite file that keeps every child's results, and this copy of the
// program's one connection to it. Whatever goes wrong with the file is told
// to the user here, once, in a message box that opens after the current event.
class RecordFile {
public:
    enum class State {
        Shut,        // not opened (yet)
        Open,
        Newer,       // made by a newer program: left as it is, nothing kept this run
        Unwritable,  // cannot be made or written: nothing kept this run
    };
    using Step = std::function<QSqlError(QSqlDatabase&)>;

    // The file in the user's data folder; empty when the system names none,
    // and then nothing can be kept.
    static QString DefaultPath();

    explicit RecordFile(QString path);
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    State Current() const { return m_state; }

    // Opens the file; makes it, and its folder, only when `create`. A file
    // that is no database, or damaged, is moved aside and a fresh one made.
    bool Open(bool create);
    // Runs one step on the open file. A step that finds the file damaged runs
    // once more on a fresh file, after `whenFresh` put back what the run needs.
    bool Run(const Step& step);
    void WhenFresh(Step whenFresh) { m_whenFresh = std::move(whenFresh); }

private:
    enum class Fault {
        None,
        Damaged,  // no database, or a damaged one
        Newer,
        Refused,  // the statement broke a rule (a name another copy took first): only it failed
        Lost,     // the file cannot be opened or written
    };

    bool exists() const;
    Fault connect();
    Fault prepare(QSqlDatabase& db);
    Fault attempt(const Step& step);
    QString cannotWrite() const;
    void disconnect();
    bool replaceDamaged();
    QString moveAside();
    void stop(State state, const QString& message);
    static Fault judge(const QSqlError& error);

    QString m_path;
    QString m_connection;
    State m_state = State::Shut;
    Step m_whenFresh;
};
