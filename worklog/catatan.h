// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/window.h"
#include "worklog/logic/entry.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTextBrowser;
class QTimer;

namespace dipo::worklog {
class EntryModel;
class Store;
} // namespace dipo::worklog

// The workshop log: every diagnosis and job kept, newest first, filtered by locomotive,
// text and dates; an entry's full record with its corrections; CSV export and the PDF
// report of a diagnosis. The log is opened when the window is first shown.
class Tcatatan : public dipo::Window
{
    Q_OBJECT

public:
    explicit Tcatatan(QWidget *parent = nullptr);

    // The window, made on first use as a window of owner.
    static Tcatatan *instance(QWidget *owner);
    // Its size when not maximised, where the screen has room.
    QSize sizeHint() const override { return QSize(1024, 700); }

public slots:
    void BtnKoreksiClick();
    void BtnEksporClick();
    void BtnPdfClick();
    void BtnBasisDataClick();
    // Shows the entries that the filter fields select.
    void applyFilter();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openLog();
    void showChosen();
    void setStatus(const QString &text);
    std::optional<dipo::worklog::Entry> chosenEntry();
    QString recordHtml(const QList<dipo::worklog::Entry> &versions, bool recurring) const;

    dipo::worklog::Store *m_store = nullptr;
    dipo::worklog::EntryModel *m_model;
    QTimer *m_typing;

    QLineEdit *EditLokomotif;
    QLineEdit *EditCari;
    QLineEdit *EditTeknisiCari;
    QComboBox *ComboJenis;
    QPushButton *BtnSemuaTanggal;
    QDateEdit *DateDari;
    QDateEdit *DateSampai;
    QTableView *TabelCatatan;
    QTextBrowser *DetailCatatan;
    QLabel *LabelStatus;
    QPushButton *BtnKoreksi;
    QPushButton *BtnEkspor;
    QPushButton *BtnPdf;
    QPushButton *BtnBasisData;
    QPushButton *BtnTutup;
};
