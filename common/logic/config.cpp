// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/logic/config.h"

#include <QDir>

#include <optional>

namespace dipo::config {

namespace {

std::optional<Options> &chosen()
{
    static std::optional<Options> options;
    return options;
}

} // namespace

Options fromEnvironment()
{
    Options options;
    const QString pictures = qEnvironmentVariable("DIPO_PICTURE_DIR");
    if (!pictures.isEmpty())
        options.pictureDir = QDir::cleanPath(QDir(pictures).absolutePath());
    options.knowledgeBaseDir = qEnvironmentVariable("DIPO_KB_DIR");
    options.database = qEnvironmentVariable("DIPO_DB");
    return options;
}

Options current()
{
    return chosen() ? *chosen() : fromEnvironment();
}

void setCurrent(const Options &options)
{
    chosen() = options;
}

void forget()
{
    chosen().reset();
}

} // namespace dipo::config
