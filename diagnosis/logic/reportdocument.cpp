// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagnosis/logic/reportdocument.h"

#include "diagnosis/logic/riwayattexts.h"

#include "common/logic/savefile.h"

#include <QDir>
#include <QIODevice>

namespace dipo::diagnosis::report {

void render(const QString &html, QPagedPaintDevice *device)
{
    document::Builder::fromRichText(texts::reportTitle, html).render(device);
}

void writePdf(const QString &html, QIODevice *device)
{
    device->write(document::Builder::fromRichText(texts::reportTitle, html).pdf(texts::programName));
}

QString savePdf(const QString &html, const QString &path)
{
    return savePdf(document::Builder::fromRichText(texts::reportTitle, html), path);
}

QString savePdf(const document::Builder &report, const QString &path)
{
    const QString why = files::saveWhole(path, report.pdf(texts::programName));
    return why.isEmpty() ? QString() : texts::saveFailed.arg(QDir::toNativeSeparators(path), why);
}

} // namespace dipo::diagnosis::report
