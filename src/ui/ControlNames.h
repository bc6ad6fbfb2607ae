// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Form1;

// Gives the controls the names screen readers speak and tooltips show.
void nameControls(Form1& form);
