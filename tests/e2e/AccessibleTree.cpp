#include "AccessibleTree.h"

#include "AccessibilityBus.h"

#include <QFileInfo>
#include <QProcess>

#include <csignal>

#include <sys/prctl.h>

namespace {

// Debian's own interpreter, the one its python3-gi and gir1.2-atspi-2.0 belong to.
const QString Python = QStringLiteral("/usr/bin/python3");
const QString Reader = QStringLiteral(ACCESSIBLE_TREE_READER);
constexpr int RegisterLimitS = 5;
constexpr int ReadLimitMs = 15000;
// The reader's status for a missing AT-SPI library.
constexpr int ReaderMissing = 77;
constexpr qsizetype Fields = 5;

}  // namespace

AccessibleTree::Outcome AccessibleTree::Read(const AccessibilityBus& bus, qint64 processId)
{
    m_nodes.clear();
    m_text.clear();
    m_problem = bus.Problem();
    if (!bus.IsUp())
        return Outcome::Unavailable;
    if (!QFileInfo(Python).isExecutable()) {
        m_problem = Python + QStringLiteral(" is not installed (make deps installs it)");
        return Outcome::Unavailable;
    }
    QProcess reader;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    bus.Admit(environment);
    // The library would look for the accessibility bus on an X server first.
    environment.remove(QStringLiteral("DISPLAY"));
    reader.setProcessEnvironment(environment);
    // Should this test process die while the reader runs, the reader goes with it.
    reader.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    reader.start(Python, {Reader, QString::number(processId), QString::number(RegisterLimitS)});
    if (!reader.waitForFinished(ReadLimitMs)) {
        reader.kill();
        reader.waitForFinished(ReadLimitMs);
        m_problem = QStringLiteral("the reader did not finish within %1 ms").arg(ReadLimitMs);
        return Outcome::Failed;
    }
    m_text = QString::fromUtf8(reader.readAllStandardOutput());
    m_problem = QString::fromUtf8(reader.readAllStandardError()).trimmed();
    if (reader.exitStatus() == QProcess::NormalExit && reader.exitCode() == ReaderMissing)
        return Outcome::Unavailable;
    if (reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0)
        return Outcome::Failed;
    return parse() ? Outcome::Read : Outcome::Failed;
}

bool AccessibleTree::parse()
{
    for (const QString& line : m_text.split(u'\n', Qt::SkipEmptyParts)) {
        qsizetype indent = 0;
        while (indent < line.size() && line[indent] == u' ')
            ++indent;
        const QStringList fields = line.mid(indent).split(u'\t');
        if (fields.size() != Fields) {
            m_problem = QStringLiteral("the reader printed a line of %1 fields: %2").arg(fields.size()).arg(line);
            return false;
        }
        m_nodes.append({static_cast<int>(indent / 2), fields[0], fields[1], fields[2], fields[3],
            fields[4].split(u',', Qt::SkipEmptyParts)});
    }
    return true;
}

qsizetype AccessibleTree::subtreeEnd(qsizetype index) const
{
    qsizetype end = index + 1;
    while (end < m_nodes.size() && m_nodes[end].depth > m_nodes[index].depth)
        ++end;
    return end;
}

const AccessibleTree::Node* AccessibleTree::Find(const QString& role, const QString& name, const Node* within) const
{
    const qsizetype first = within ? within - m_nodes.data() + 1 : 0;
    const qsizetype end = within ? subtreeEnd(first - 1) : m_nodes.size();
    for (qsizetype index = first; index < end; ++index) {
        if (m_nodes[index].role == role && m_nodes[index].name == name)
            return &m_nodes[index];
    }
    return nullptr;
}

QList<const AccessibleTree::Node*> AccessibleTree::Children(const Node& node) const
{
    const qsizetype index = &node - m_nodes.data();
    QList<const Node*> children;
    for (qsizetype child = index + 1; child < subtreeEnd(index); ++child) {
        if (m_nodes[child].depth == node.depth + 1)
            children.append(&m_nodes[child]);
    }
    return children;
}

const AccessibleTree::Node* AccessibleTree::Parent(const Node& node) const
{
    for (qsizetype index = &node - m_nodes.data() - 1; index >= 0; --index) {
        if (m_nodes[index].depth < node.depth)
            return &m_nodes[index];
    }
    return nullptr;
}
