// SPDX-License-Identifier: GPL-3.0-or-later
#include "worklog/logic/diagnosisrecord.h"

#include "diagnosis/logic/repairs.h"

namespace dipo::worklog {

using diagnosis::Action;
using diagnosis::Answer;

Entry fromSession(const diagnosis::Session &session)
{
    Entry draft;
    draft.kind = Kind::Diagnosis;
    draft.system = session.systemName();
    for (const diagnosis::SessionStep &step : session.steps())
        draft.steps.append({ step.question, diagnosis::answerText(step.answer) });
    if (!session.isConcluded())
        return draft;
    const diagnosis::Conclusion &conclusion = session.conclusion();
    draft.subject = conclusion.lines.join(QLatin1Char('\n'));
    draft.notDefined = conclusion.notice;
    if (!draft.notDefined)
        for (const diagnosis::Repair &repair : conclusion.repairs)
            draft.repairs.append({ diagnosis::repairKindKey(repair.kind), repair.key,
                diagnosis::repairs::caption(repair) });
    return draft;
}

diagnosis::Session toSession(const Entry &entry)
{
    diagnosis::Session session;
    session.reset(-1, entry.system);
    session.begin(entry.steps.isEmpty() ? QString() : entry.steps.constFirst().question);
    for (qsizetype i = 0; i < entry.steps.size(); ++i) {
        Action action;
        if (i + 1 < entry.steps.size()) {
            action.kind = Action::Kind::Ask;
            action.question = entry.steps.at(i + 1).question;
        } else {
            action.kind = Action::Kind::Conclude;
            action.conclusion.lines = entry.subject.split(QLatin1Char('\n'));
            action.conclusion.notice = entry.notDefined;
            for (const RepairLink &link : entry.repairs)
                if (const auto kind = diagnosis::repairKindFromKey(link.kind))
                    action.conclusion.repairs.append({ *kind, link.key });
        }
        session.record(
            diagnosis::answerFromText(entry.steps.at(i).answer).value_or(Answer::Tidak), action);
    }
    return session;
}

} // namespace dipo::worklog
