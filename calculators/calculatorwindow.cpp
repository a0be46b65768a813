// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/calculatorwindow.h"

#include "calculators/calcform.h"
#include "common/keys.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace dipo::calc {

CalculatorWindow::CalculatorWindow(const char *key, QWidget *parent)
    : dipo::Window(tableText(calculatorRow(key).objectName),
        tableText(calculatorRow(key).windowCaption), parent)
    , m_calculator(calculatorRow(key))
{
    setFullScreenGeometry();
    setBackground(tableText(m_calculator.background));
    form::applyCalculatorStyle(this);
    m_title = form::addTitle(sheet(), QStringLiteral("Panel1"), tableText(m_calculator.title));
}

void CalculatorWindow::addButtons(
    ButtonText prosesText, ButtonText replaceText, ButtonText closeText)
{
    int k = 0;
    for (const ButtonText &button : { prosesText, replaceText, closeText })
        m_buttons[k++]
            = form::addButton(sheet(), QLatin1String(button.name), form::text(button.caption));
    connect(prosesButton(), &QPushButton::clicked, this, &CalculatorWindow::proses);
    connect(replaceButton(), &QPushButton::clicked, this, &CalculatorWindow::replace);
    connect(closeButton(), &QPushButton::clicked, this, [this] { close(); });
}

QLayout *CalculatorWindow::buttonRow() const
{
    auto *row = new QHBoxLayout;
    for (QPushButton *button : m_buttons)
        row->addWidget(button);
    return row;
}

CalcExtras *CalculatorWindow::addExtras()
{
    m_extras = new CalcExtras(this, tableText(m_calculator.sheetName));
    return m_extras;
}

void CalculatorWindow::setKeys(const QList<QWidget *> &inputs, const QList<QWidget *> &after)
{
    form::enterPresses(inputs, prosesButton());
    keys::escapeClicks(this, closeButton());
    keys::setReadingOrder(inputs
        + QList<QWidget *> { prosesButton(), replaceButton(), closeButton(), m_extras->BtnGrafik,
            m_extras->BtnCetak, m_extras->BtnSimpanPdf }
        + after);
    inputs.first()->setFocus();
}

Sheet CalculatorWindow::newSheet(const QWidget *inputFrame, const QWidget *resultFrame) const
{
    Sheet sheet;
    sheet.title = tableText(m_calculator.sheetName);
    sheet.inputs = sheetRows(inputFrame, m_calculator.inputs.rows, m_calculator.inputs.count);
    sheet.results = sheetRows(resultFrame, m_calculator.results.rows, m_calculator.results.count);
    return sheet;
}

void CalculatorWindow::showResult(
    const Sheet &sheet, QWidget *resultFrame, const RichTextBox *conclusion)
{
    m_extras->setResult(sheet);
    form::tellResults(this, resultFrame, conclusion, sheet.notes);
}

} // namespace dipo::calc
