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

QList<KbFile> filesInFolder(const QString &dir, const QString &prefix, QStringList *problems)
{
    QList<KbFile> files;
    if (!QFileInfo(dir).isDir()) {
        problems->append(QStringLiteral("%1: folder not found").arg(dir));
        return files;
    }
    const QDir folder(dir);
    for (const KbFile &builtIn : builtInFiles()) {
        outside::Refusal refusal;
        auto bytes = outside::readFile(folder.filePath(builtIn.name), kMaxFileBytes, &refusal);
        if (!bytes) {
            if (refusal.kind == outside::Refusal::Kind::TooLarge)
                problems->append(
                    QStringLiteral("%1%2: %3").arg(prefix, builtIn.name, refusal.reason));
            else
                problems->append(QStringLiteral("%1%2: cannot be read: %3")
                                     .arg(prefix, builtIn.name, refusal.reason));
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
            fresh.problems = fresh.load.errors;
            // The user's message counts the rest itself: drop the loader's count line.
            if (fresh.load.omitted > 0) {
                fresh.problems.removeLast();
                fresh.unlisted = fresh.load.omitted;
            }
            // What dipo-kb check calls an error (a loop of questions with no way out,
            // say) keeps the copy out too; its warnings do not.
            if (fresh.problems.isEmpty()) {
                for (const KbFinding &finding : checkKnowledgeBase(files)) {
                    if (finding.severity == KbFinding::Severity::Error)
                        fresh.problems.append(formatFinding(finding));
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
    lines.append(choice.problems.mid(0, shown));
    const qint64 rest
        = choice.problems.size() + choice.unlisted - qMin<qint64>(shown, choice.problems.size());
    if (rest > 0)
        lines.append(QStringLiteral("…dan %1 lainnya").arg(QString::number(rest)));
    return lines.join(QLatin1Char('\n'));
}

} // namespace dipo::diagnosis
