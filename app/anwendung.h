#pragma once

class QApplication;

// What every start of the program does before the first window opens: the
// application's title, the bundled face, one style on every desktop, the
// window icon and the German texts of Qt's standard dialogs.
void RichteAnwendungEin(QApplication& anwendung);
