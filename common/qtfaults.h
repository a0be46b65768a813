// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Faults of Qt that the program works round, each on the Qt releases that have it: from
// the one it was seen in up to the first that mends it. Where no release is known to
// mend a fault, its workaround stays on; tst_accessibility fails on a Qt newer than the
// last one the faults were checked with, so that each is checked again there and its
// first mended release written here.
namespace dipo::qtfaults {

// The newest Qt every fault below was checked with.
constexpr int kCheckedUpTo = QT_VERSION_CHECK(6, 4, 2);
// No Qt release is known to mend the fault (checked up to kCheckedUpTo).
constexpr int kNotMendedYet = 0;

constexpr bool present(int mendedIn)
{
    return mendedIn == kNotMendedYet || QT_VERSION < mendedIn;
}

// Seen in 6.4.2: on Linux a combo box is named by the item it shows, so two lists holding
// the same item read alike and the label is never spoken.
constexpr bool kComboNamedByItem = present(kNotMendedYet);
// Seen in 6.4.2: a group box inside another takes the outer one's title as its name.
constexpr bool kInnerGroupNamedByOuter = present(kNotMendedYet);
// Seen in 6.4.2: a line edit's word query at the end of its text loops for ever, and
// screen readers get its value one character short.
constexpr bool kLineEditTextQueries = present(kNotMendedYet);
// Seen in 6.4.2: a line edit that Tab enters reports its selection and caret before its
// focus, and Orca then says nothing when the focus comes.
constexpr bool kSelectionBeforeFocus = present(kNotMendedYet);
// Seen in 6.4.2: a button box reports the focus of its button as its own.
constexpr bool kButtonBoxClaimsFocus = present(kNotMendedYet);

} // namespace dipo::qtfaults
