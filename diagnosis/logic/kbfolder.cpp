// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/logic/kbfolder.h"

#include "common/logic/config.h"

#include "common/logic/outsidefile.h"
#include "diagnosis/logic/kbcheck.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace dipo::diagnosis {

namespace {

std::optional<QString> &explicitDir()
{
    static std::optional<QString> dir;
    return dir;
}

std::optional<KbChoice> &cachedChoice()
{
    static std::optional<KbChoice> choice;
    return choice;
}

} // namespace

void setKnowledgeBaseDir(const QString &dir)
{
    cachedChoice().reset(); // read again, even from the same folder
    if (dir.isEmpty())
        explicitDir().reset();
    else
        explicitDir() = dir;
}

QString knowledgeBaseDir()
{
    if (explicitDir())
        return *explicitDir();
    return config::current().knowledgeBaseDir;
}

QList<KbFile> filesInFolder(const QString &dir, const QString &prefix, QList<KbFinding> *problems)
{
    auto problem = [problems](const QString &file, const QString &what) {
        KbFinding finding;
        finding.file = file;
        finding.what = what;
        problems->append(finding);
    };
    QList<KbFile> files;
    if (!QFileInfo(dir).isDir()) {
        problem(dir, QStringLiteral("folder not found"));
        return files;
    }
    const QDir folder(dir);
    for (const KbFile &builtIn : builtInFiles()) {
        outside::Refusal refusal;
        auto bytes = outside::readFile(folder.filePath(builtIn.name), kMaxFileBytes, &refusal);
        if (!bytes) {
            if (refusal.kind == outside::Refusal::Kind::TooLarge)
                problem(prefix + builtIn.name, refusal.reason);
            else
                problem(prefix + builtIn.name, QStringLiteral("cannot be read: ") + refusal.reason);
            continue;
        }
        files.append(KbFile { prefix + builtIn.name, std::move(*bytes) });
    }
    return files;
}

const KbChoice &chosenKnowledgeBase()
{
    std::optional<KbChoice> &choice = cachedChoice();
    const QString dir = knowledgeBaseDir();
    if (choice && choice->dir == dir)
        return *choice;
    KbChoice fresh;
    fresh.dir = dir;
    if (!dir.isEmpty()) {
        const QList<KbFile> files = filesInFolder(dir, QString(), &fresh.problems);
        if (fresh.problems.isEmpty()) {
            fresh.load = loadKnowledgeBase(files);
            fresh.problems = fresh.load.findings;
            fresh.unlisted = fresh.load.omitted;
            // What dipo-kb check calls an error (a loop of questions with no way out,
            // say) keeps the copy out too; its warnings do not.
            if (fresh.problems.isEmpty()) {
                for (const KbFinding &finding : checkKnowledgeBase(files)) {
                    if (finding.severity == KbFinding::Severity::Error)
                        fresh.problems.append(finding);
                }
            }
        }
    }
    // Never a half-loaded base: any problem and the built-in one is used whole.
    if (dir.isEmpty() || fresh.fellBack())
        fresh.load = builtInKnowledgeBase();
    choice = fresh;
    return *choice;
}

QString fallbackMessage(const KbChoice &choice, int shown)
{
    QStringList lines;
    lines.append(QStringLiteral("Basis pengetahuan dari folder %1 tidak dapat dipakai; "
                                "program memakai basis pengetahuan bawaan.")
                     .arg(QDir::toNativeSeparators(choice.dir)));
    lines.append(QString());
    for (const KbFinding &problem : choice.problems.mid(0, shown))
        lines.append(findingText(problem));
    const qint64 rest
        = choice.problems.size() + choice.unlisted - qMin<qint64>(shown, choice.problems.size());
    if (rest > 0)
        lines.append(QStringLiteral("…dan %1 lainnya").arg(QString::number(rest)));
    return lines.join(QLatin1Char('\n'));
}

} // namespace dipo::diagnosis
