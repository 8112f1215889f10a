#pragma once

#include "course/ResultSink.h"
#include "records/ChildName.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

class RecordFile;

struct Child {
    qint64 id = 0;
    QString name;
};

// The children kept so far, the one whose practice is being kept, and the
// results, each written when it comes, in a transaction of its own. Nothing
// is written, and no file made, until a child is made; while none is chosen
// nothing is kept.
class RecordKeeper final : public ResultSink {
public:
    explicit RecordKeeper(const QString& path);
    ~RecordKeeper() override;
    RecordKeeper(const RecordKeeper&) = delete;
    RecordKeeper& operator=(const RecordKeeper&) = delete;

    // At start: opens the file if there is one, and takes up the child chosen last time.
    void OpenAtStart();
    // A child is chosen and the file takes its results.
    bool Recording() const;
    // The file was refused for this run (made by a newer program, or unwritable).
    bool Refused() const;
    const std::optional<Child>& Chosen() const { return m_chosen; }

    QList<Child> Children();
    // Makes the file with the first child. The name is trimmed first.
    ChildName::Problem Add(const QString& typed);
    ChildName::Problem Rename(qint64 id, const QString& typed);
    // The results kept for the child.
    int RecordCount(qint64 id);
    void Remove(qint64 id);
    // Remembered in the file for the next start; nothing chooses no child.
    void Choose(std::optional<qint64> id);

    // The file for reading the chosen child's results; null while it is not open.
    RecordFile* File();

    void Keep(const BeadRunResult& result) override;
    void Keep(const ColumnAnswerResult& result) override;
    void Keep(const MentalQuestionResult& result) override;
    void Keep(const MentalSetResult& result) override;

private:
    ChildName::Problem checkName(const QString& trimmed, qint64 except);
    template <typename Result>
    void keep(const Result& result);
    qint64 chosenId() const { return m_chosen ? m_chosen->id : 0; }

    std::unique_ptr<RecordFile> m_file;
    std::optional<Child> m_chosen;
};
