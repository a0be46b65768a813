// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/calculatorwindows.h"

#include "calculators/dm.h"
#include "calculators/gayrem.h"
#include "calculators/logic/calculatortable.h"
#include "calculators/umurrem.h"

#include <iterator>

namespace dipo::calc {

namespace {

// A row of the table bound to its window class and the window's global reference.
struct Binding
{
    const char *key;
    void (*create)();
    void (*destroy)();
    dipo::Window *(*window)();
};

template <typename W, W *&Global> Binding bind(const char *key)
{
    return Binding { key, [] { Global = new W; },
        [] {
            delete Global;
            Global = nullptr;
        },
        []() -> dipo::Window * { return Global; } };
}

// One line a calculator.
const Binding kBindings[] = {
    bind<Tumurrem, umurrem>("brakeLife"),
    bind<Tgayrem, gayrem>("brakeForce"),
    bind<TDM, DM>("dieselPower"),
};

const Binding *bindingOf(const QString &key)
{
    for (const Binding &binding : kBindings) {
        if (key == QLatin1String(binding.key))
            return &binding;
    }
    return nullptr;
}

} // namespace

bool everyRowHasAWindow()
{
    if (std::size(kBindings) != std::size(kCalculators))
        return false;
    for (const Calculator &calculator : kCalculators) {
        if (!bindingOf(QLatin1String(calculator.key)))
            return false;
    }
    return true;
}

void createWindows()
{
    if (!everyRowHasAWindow())
        qFatal("the calculator table and its windows (calculatorwindows.cpp) disagree");
    for (const Calculator &calculator : kCalculators)
        bindingOf(QLatin1String(calculator.key))->create();
}

void destroyWindows()
{
    for (auto row = std::rbegin(kCalculators); row != std::rend(kCalculators); ++row) {
        if (const Binding *binding = bindingOf(QLatin1String(row->key)))
            binding->destroy();
    }
}

dipo::Window *window(const QString &key)
{
    const Binding *binding = bindingOf(key);
    return binding ? binding->window() : nullptr;
}

} // namespace dipo::calc
