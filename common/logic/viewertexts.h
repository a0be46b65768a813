// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The picture viewer's fixed texts, shared by the windows whose pictures open in it.
namespace dipo::viewer_texts {

inline const QString caption = QStringLiteral("Gambar");
inline const QString enlargeHint = QStringLiteral("Klik untuk memperbesar gambar");

} // namespace dipo::viewer_texts
