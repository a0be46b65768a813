// SPDX-License-Identifier: GPL-3.0-or-later
// A knowledge-base folder made from the input: six parts split at the byte 0xFE, each
// a file of the base. A part's first byte picks what stands under its name: the rest
// as a regular file, a FIFO, a folder, a symlink to /dev/zero or to nothing, or
// nothing at all. Reading the folder never blocks, and either the folder's base is in
// use or the built-in one with the reasons.
#include "diagnosis/logic/kbfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

using namespace dipo::diagnosis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QList<KbFile> builtIn = builtInFiles();
    const QList<QByteArray> parts
        = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\xfe');
    QTemporaryDir dir;
    if (!dir.isValid())
        return 0;
    for (int i = 0; i < builtIn.size(); ++i) {
        const QString path = dir.filePath(builtIn.at(i).name);
        const QByteArray native = QFile::encodeName(path);
        const QByteArray part = parts.value(i);
        switch (part.isEmpty() ? 0 : static_cast<unsigned char>(part.at(0)) % 8) {
        case 0: { // the built-in file
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(builtIn.at(i).bytes);
            break;
        }
        case 1:
            ::mkfifo(native.constData(), 0600);
            break;
        case 2:
            QDir().mkpath(path);
            break;
        case 3:
            ::symlink("/dev/zero", native.constData());
            break;
        case 4:
            ::symlink("/nonexistent", native.constData());
            break;
        case 5:
            break;
        default: {
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(part.mid(1));
        }
        }
    }
    setKnowledgeBaseDir(dir.path());
    const KbChoice &choice = chosenKnowledgeBase();
    if (choice.fellBack() && choice.load.knowledgeBase.isEmpty())
        std::abort(); // fell back, yet no built-in base
    if (!choice.fellBack() && !choice.load.ok())
        std::abort();
    setKnowledgeBaseDir(QString());
    return 0;
}
