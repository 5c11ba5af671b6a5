// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/befehlszeile.h"

int main(int argc, char* argv[]) { return Starte(argc, argv); }
