// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/logic/error.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The maintenance guide's content: one entry per component, the window's fixed texts
// and the introduction, read from maintenance.json. Plain data, no widgets.
namespace dipo::maintenance {

constexpr int kComponentCount = 30;

struct Entry
{
    int component = 0; // 1 ... kComponentCount, the number of its radio button
    QString button; // the radio button's caption
    QString heading; // shown in the prompt box
    QStringList lines; // one to six, appended to the explanation box
    QString picture; // file name in the picture folder; empty for none

    bool hasPicture() const { return !picture.isEmpty(); }
};

// The captions and prompts of the window.
struct FixedTexts
{
    QString title;
    QString groupTitle;
    QString repeatButton;
    QString processButton;
    QString closeButton;
    QStringList startPrompt;
    QString chosenPrompt;
    QString chosenLastPrompt;
    QString repeatPrompt;
};

// Broken table data; the message says where.
class TableError : public Error
{
public:
    using Error::Error;
};

class Table
{
public:
    // A table larger than this is refused unread.
    static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;
    // Reads the JSON bytes of a table; throws TableError naming what is wrong.
    static Table fromJson(const QByteArray &bytes);
    // The table compiled into the program.
    static const Table &builtIn();

    const QList<Entry> &entries() const { return m_entries; }
    // nullptr outside 1 ... kComponentCount.
    const Entry *entry(int component) const;

    const FixedTexts &texts() const { return m_texts; }
    // The prompt after choosing a component: the last one has its own wording.
    const QString &chosenPrompt(int component) const;

    // The introduction as the window starts with it, and as ULANGI writes it.
    const QStringList &startIntroduction() const { return m_startIntroduction; }
    const QStringList &repeatIntroduction() const { return m_repeatIntroduction; }

    // Program paths ("d:\...") of an entry's picture and of the ULANGI picture.
    QString picturePath(const Entry &entry) const { return m_pictureFolder + entry.picture; }
    const QString &repeatPicture() const { return m_repeatPicture; }

private:
    QList<Entry> m_entries;
    FixedTexts m_texts;
    QStringList m_startIntroduction;
    QStringList m_repeatIntroduction;
    QString m_pictureFolder;
    QString m_repeatPicture;
};

} // namespace dipo::maintenance
