// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worklog/logic/entry.h"

#include <QDialog>

class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace dipo::worklog {

// Asks for the locomotive, the technician, the date and a note, then saves the entry in
// the program's log. A save that fails says why and keeps everything on screen to try
// again; the dialog closes only on a save that succeeded.
class EntryDialog : public QDialog
{
    Q_OBJECT

public:
    // draft: what the window knows (system, result, trail); the rest is asked.
    EntryDialog(const Entry &draft, QWidget *parent = nullptr);

    qint64 savedId() const { return m_savedId; }

    // Opens the dialog for a draft; returns the id saved, 0 when none.
    static qint64 record(const Entry &draft, QWidget *parent);

public slots:
    void BtnSimpanClick();

private:
    void noteChanged();
    bool confirmSecondRecord(const Entry &entry);

    Entry m_draft;
    qint64 m_savedId = 0;
    QComboBox *ComboLokomotif;
    QLineEdit *EditTeknisi;
    QDateTimeEdit *EditTanggal;
    QPlainTextEdit *EditCatatan;
    QLineEdit *EditAlasan = nullptr; // a correction only
    QLabel *LabelSisa;
    QLabel *LabelPesan;
    QPushButton *BtnSimpan;
    QPushButton *BtnBatal;
};

} // namespace dipo::worklog
