// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace dipo::diagnosis {

enum class Answer { Ya, Tidak };

// A procedure elsewhere in the program that mends a fault: a maintenance entry (its
// component number), a tune-up procedure (its id) or a calculator (its name).
struct Repair
{
    enum class Kind { Maintenance, TuneUp, Calculator };
    Kind kind = Kind::Maintenance;
    QString key; // "3", "V-1", "brakeLife"
    bool operator==(const Repair &other) const { return kind == other.kind && key == other.key; }
};

// What the result box shows at the end of a diagnosis: a fault (header and cause) or
// a notice that the fault is not defined, and the box's font size; with the procedures
// that mend the fault, where the knowledge base names them.
struct Conclusion
{
    QStringList lines;
    int fontSize = 12;
    bool notice = false; // the fault is not defined
    QList<Repair> repairs;
};

// How the program writes an answer and a repair's kind, and reads them back: "YA" or
// "TIDAK"; "maintenance", "tuneUp" or "calculator" (the knowledge base's link keys, which
// the workshop log keeps too). The one place these words are made.
QString answerText(Answer answer);
std::optional<Answer> answerFromText(const QString &text);
QString repairKindKey(Repair::Kind kind);
std::optional<Repair::Kind> repairKindFromKey(const QString &key);

struct Action
{
    enum class Kind { Nothing, Ask, Conclude };
    Kind kind = Kind::Nothing;
    QString question; // Ask: the next question's text
    Conclusion conclusion; // Conclude
};

struct Question
{
    int row = 0; // its number in the system's file
    QString text;
    Action ya;
    Action tidak;
};

struct System
{
    QString fileName;
    QString startQuestion;
    QList<Question> questions;
};

// The questions of all systems, read-only once loaded. A diagnosis keeps no state of
// its own: the question shown is looked up again on every answer, by its exact text.
class KnowledgeBase
{
public:
    KnowledgeBase() = default;
    explicit KnowledgeBase(QList<System> systems);

    bool isEmpty() const { return m_systems.isEmpty(); }
    int systemCount() const { return int(m_systems.size()); }
    const QList<System> &systems() const { return m_systems; }

    // Empty for an index that names no system.
    QString startQuestion(int system) const;

    // The action stored for this answer to the question with exactly this text
    // (case, blanks and punctuation count); Nothing when the text is no question.
    Action answer(Answer answer, const QString &shownText) const;

private:
    QList<System> m_systems;
    struct Place
    {
        int system;
        int position;
    };
    QHash<QString, Place> m_byText;
};

} // namespace dipo::diagnosis
