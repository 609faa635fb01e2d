# SPDX-FileCopyrightText: 2026 Torvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the page's script, with its WebAssembly inlined, into the HTML
# template: one file that needs nothing else. cmake -DTEMPLATE= -DSCRIPT= -DOUTPUT= -P inline.cmake
file(READ ${TEMPLATE} page)
file(READ ${SCRIPT} script)
string(FIND "${script}" "</script" closing)
if(NOT closing EQUAL -1)
    message(FATAL_ERROR "the script holds </script and cannot be inlined")
endif()
string(REPLACE "@TORVANE_WEB_SCRIPT@" "${script}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
