// SPDX-FileCopyrightText: 2026 Torvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

// The page lives on after main returns, as long as it is open.
int main()
{
    static Form1 window;
    return 0;
}
