#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class AccessibilityBus;

// A program's accessible objects as a screen reader gets them: read over the
// AT-SPI bus from outside the program by accessible-tree.py, one object a
// line, in reading order.
class AccessibleTree {
public:
    struct Node {
        int depth;
        QString role;  // as AT-SPI names it: "slider", "label", "text" ...
        QString name;
        QString description;
        QString value;  // the current value, empty where the object has none
        QStringList states;  // "showing", "focused" ...
    };
    enum class Outcome { Read, Unavailable, Failed };

    // Waits for the program with that process id to show on the bus and
    // reads it. Problem() says why not, and Unavailable means that the bus or
    // the reader is not installed here.
    Outcome Read(const AccessibilityBus& bus, qint64 processId);
    const QString& Problem() const { return m_problem; }
    // What the reader printed, for failure reports.
    const QString& Text() const { return m_text; }

    // The first object with this role and name below `within` (anywhere when
    // null), or null.
    const Node* Find(const QString& role, const QString& name, const Node* within = nullptr) const;
    QList<const Node*> Children(const Node& node) const;
    // The object that holds this one; null for the application.
    const Node* Parent(const Node& node) const;

private:
    bool parse();
    // The index just past the last object below the one at `index`.
    qsizetype subtreeEnd(qsizetype index) const;

    QList<Node> m_nodes;
    QString m_text;
    QString m_problem;
};
