// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/grafik.h"

#include "calculators/chartloader.h"
#include "calculators/chartmaker.h"
#include "calculators/logic/sheettexts.h"
#include "common/errorreport.h"
#include "common/logic/savefile.h"
#include "common/logic/savefolder.h"
#include "common/window.h"
#include "common/dialogs.h"

#include <QAccessible>
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStackedLayout>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace texts = dipo::calc::sheet_texts;
using dipo::calc::Chart;

namespace {

// The size of a chart saved as a picture, for a file and for the sheet.
const QSize kPictureSize(1200, 750);

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1String(name));
    return result;
}

QLabel *message(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("LabelGrafikKosong"));
    label->setAlignment(Qt::AlignCenter);
    // No word wrap: a label that wraps would make the window take its least height.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setToolTip(text);
    return label;
}

QTableView *pointTable(const Chart &chart, QWidget *parent)
{
    auto *model = new QStandardItemModel(int(chart.tableRows.size()), int(chart.tableHeader.size()));
    model->setHorizontalHeaderLabels(chart.tableHeader);
    for (int row = 0; row < chart.tableRows.size(); ++row) {
        for (int column = 0; column < chart.tableRows.at(row).size(); ++column) {
            auto *item = new QStandardItem(chart.tableRows.at(row).at(column));
            item->setEditable(false);
            if (column > 0 || !chart.bars.isEmpty())
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            model->setItem(row, column, item);
        }
    }
    auto *table = new QTableView(parent);
    table->setObjectName(QStringLiteral("Tabel") + chart.objectName);
    model->setParent(table);
    table->setModel(model);
    table->setAccessibleName(texts::tableOf.arg(chart.accessibleName));
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->resizeColumnsToContents();
    return table;
}

} // namespace

TGrafik::TGrafik(const QString &caption, QWidget *parent)
    : dipo::Window(QStringLiteral("grafik"), caption, parent)
{
    setAccessibleName(caption);

    TabGrafik = new QTabWidget(this);
    TabGrafik->setObjectName(QStringLiteral("TabGrafik"));
    LabelStatus = new QLabel(this);
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));
    LabelStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    LabelStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    BtnTabel = button(texts::showTable, "BtnTabel", this);
    BtnTabel->setCheckable(true);
    BtnSimpanPng = button(texts::savePng, "BtnSimpanPng", this);
    BtnSimpanPng->setAccessibleName(texts::savePngName);
    BtnTutup = button(texts::close, "BtnTutup", this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BtnTabel);
    buttons->addWidget(BtnSimpanPng);
    buttons->addStretch(1);
    buttons->addWidget(BtnTutup);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TabGrafik, 1);
    layout->addWidget(LabelStatus);
    layout->addLayout(buttons);

    connect(BtnTabel, &QPushButton::clicked, this, &TGrafik::BtnTabelClick);
    connect(BtnSimpanPng, &QPushButton::clicked, this, &TGrafik::BtnSimpanPngClick);
    connect(BtnTutup, &QPushButton::clicked, this, &QWidget::close);
    connect(TabGrafik, &QTabWidget::currentChanged, this, &TGrafik::TabGrafikChange);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    // The charts belong to the calculator: they go when it is closed.
    if (parent)
        parent->installEventFilter(this);
    refresh();
}

QSize TGrafik::sizeHint() const
{
    QSize size(780, 580);
    const QScreen *shownOn = parentWidget() ? parentWidget()->screen() : screen();
    if (shownOn)
        size = size.boundedTo(shownOn->availableGeometry().size() - QSize(40, 60));
    return size.expandedTo(minimumSizeHint());
}

bool TGrafik::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Hide && !event->spontaneous())
        close();
    return dipo::Window::eventFilter(watched, event);
}

void TGrafik::setCharts(const QList<Chart> &charts)
{
    m_charts = charts;
    m_stale = true;
    LabelStatus->clear();
    if (isVisible())
        refresh();
}

void TGrafik::clearCharts()
{
    setCharts({});
}

void TGrafik::showEvent(QShowEvent *event)
{
    if (m_stale)
        refresh();
    dipo::Window::showEvent(event);
}

bool TGrafik::updateInPlace()
{
    // The same charts as the tabs show, with new numbers: only their contents change.
    dipo::calc::ChartMaker *maker = dipo::calc::chartMaker();
    if (!maker || m_charts.isEmpty() || TabGrafik->count() != m_charts.size())
        return false;
    for (int k = 0; k < m_charts.size(); ++k) {
        if (TabGrafik->widget(k)->objectName() != QStringLiteral("Halaman") + m_charts.at(k).objectName
            || m_charts.at(k).isEmpty())
            return false;
    }
    for (int k = 0; k < m_charts.size(); ++k) {
        QWidget *page = TabGrafik->widget(k);
        auto *stack = qobject_cast<QStackedLayout *>(page->layout());
        QWidget *view = page->findChild<QWidget *>(m_charts.at(k).objectName);
        if (!view) {
            // Not made yet, or a message in its place: made afresh when shown.
            while (stack->count() > 0)
                delete stack->widget(0);
            continue;
        }
        maker->updateView(view, m_charts.at(k));
        if (stack->count() > 1)
            delete stack->widget(1); // the table, made again when asked for
        QAccessibleEvent changed(view, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    fillPage(TabGrafik->currentIndex());
    BtnTabelClick();
    return true;
}

void TGrafik::TabGrafikChange(int index)
{
    fillPage(index);
}

void TGrafik::fillPage(int index)
{
    if (index < 0 || index >= m_charts.size())
        return;
    QWidget *page = TabGrafik->widget(index);
    auto *stack = qobject_cast<QStackedLayout *>(page->layout());
    if (!stack || stack->count() > 0)
        return;
    const Chart &chart = m_charts.at(index);
    dipo::calc::ChartMaker *maker = dipo::calc::chartMaker();
    if (chart.isEmpty())
        stack->addWidget(message(chart.description, page));
    else if (!maker)
        stack->addWidget(message(texts::noModule.arg(dipo::calc::chartModuleError()), page));
    else
        stack->addWidget(maker->makeView(chart, page));
    if (BtnTabel->isChecked()) {
        stack->addWidget(pointTable(chart, page));
        stack->setCurrentIndex(1);
    }
    if (QWidget *view = page->findChild<QWidget *>(chart.objectName)) {
        QAccessibleEvent changed(view, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void TGrafik::refresh()
{
    m_stale = false;
    if (updateInPlace())
        return;
    const int current = TabGrafik->currentIndex();
    setUpdatesEnabled(false);
    while (TabGrafik->count() > 0) {
        QWidget *old = TabGrafik->widget(0);
        TabGrafik->removeTab(0);
        delete old;
    }
    if (m_charts.isEmpty()) {
        TabGrafik->addTab(message(texts::noCharts, TabGrafik), texts::chartsTab);
    } else {
        QSignalBlocker quiet(TabGrafik);
        for (const Chart &chart : m_charts) {
            auto *page = new QWidget;
            page->setObjectName(QStringLiteral("Halaman") + chart.objectName);
            new QStackedLayout(page);
            TabGrafik->addTab(page, chart.title);
        }
        TabGrafik->setCurrentIndex(std::max(0, std::min(current, TabGrafik->count() - 1)));
    }
    fillPage(TabGrafik->currentIndex());
    setUpdatesEnabled(true);
    BtnSimpanPng->setEnabled(!m_charts.isEmpty() && dipo::calc::chartMaker());
    BtnTabel->setEnabled(!m_charts.isEmpty());
}

void TGrafik::BtnTabelClick()
{
    // The tables are made when first asked for.
    for (int k = 0; k < TabGrafik->count() && k < m_charts.size(); ++k) {
        auto *stack = qobject_cast<QStackedLayout *>(TabGrafik->widget(k)->layout());
        if (!stack || stack->count() == 0)
            continue;
        if (BtnTabel->isChecked() && stack->count() == 1)
            stack->addWidget(pointTable(m_charts.at(k), TabGrafik->widget(k)));
        stack->setCurrentIndex(BtnTabel->isChecked() ? 1 : 0);
    }
}

bool TGrafik::savePicture(int index, const QString &path)
{
    LabelStatus->clear();
    dipo::calc::ChartMaker *maker = dipo::calc::chartMaker();
    if (index < 0 || index >= m_charts.size() || !maker)
        return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    maker->picture(m_charts.at(index), kPictureSize).save(&buffer, "PNG");
    const QString why = dipo::files::saveWhole(path, bytes);
    if (!why.isEmpty()) {
        dipo::errorreport::show(texts::pngFailed.arg(QDir::toNativeSeparators(path), why));
        return false;
    }
    dipo::files::rememberSaveFolder(path);
    LabelStatus->setText(texts::pngSaved.arg(QDir::toNativeSeparators(path)));
    return true;
}

void TGrafik::BtnSimpanPngClick()
{
    const int index = TabGrafik->currentIndex();
    if (index < 0 || index >= m_charts.size())
        return;
    const QString path = dipo::askSavePath(this, texts::savePngTitle, texts::pngFilter,
        m_charts.at(index).objectName.toLower() + QStringLiteral(".png"));
    if (!path.isEmpty())
        savePicture(index, path);
}
