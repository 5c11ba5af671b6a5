// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The display options and the information window of the main window.

#include "app/hauptfenster.h"

#include "dialogs/dialoge.h"
#include "dialogs/infobox.h"
#include "term/bausteine.h"

#include <QAction>
#include <QGroupBox>

#include <utility>

void TForm1::verbindeOptionen()
{
    const std::pair<const char*, void (TForm1::*)()> handler[] = {
        {"MenAchsenDuenn", &TForm1::MenAchsenDuennClick},
        {"MenAchsenDick", &TForm1::MenAchsenDickClick},
        {"MenAchsenFarbe", &TForm1::MenAchsenFarbeClick},
        {"MenSchaubDuenn", &TForm1::MenSchaubDuennClick},
        {"MenSchaubDick", &TForm1::MenSchaubDickClick},
        {"MenVorgSchaubFarbe", &TForm1::MenVorgSchaubFarbeClick},
        {"MemUserSchaubFarbe", &TForm1::MemUserSchaubFarbeClick},
        {"Men05Raster", &TForm1::Men05RasterClick},
        {"MenNetzFarbe", &TForm1::MenNetzFarbeClick},
        {"MenInfo", &TForm1::MenInfoClick},
    };
    // clang 14, which builds the fuzz targets, cannot capture a structured binding.
    for (const auto& eintrag : handler)
        Verbinde(m_bericht, findChild<QAction*>(QLatin1String(eintrag.first)), &QAction::triggered, this,
                 [this, methode = eintrag.second] { (this->*methode)(); });
    Men05Raster = findChild<QAction*>(QStringLiteral("Men05Raster"));
    Men05Raster->setCheckable(true);
}

void TForm1::MenAchsenDuennClick() { setzeDicke(Anzeige.AchsenDicke, 1); }
void TForm1::MenAchsenDickClick() { setzeDicke(Anzeige.AchsenDicke, 3); }
void TForm1::MenSchaubDuennClick() { setzeDicke(Anzeige.SchaubildDicke, 1); }
void TForm1::MenSchaubDickClick() { setzeDicke(Anzeige.SchaubildDicke, 3); }

void TForm1::setzeDicke(int& dicke, int wert)
{
    dicke = wert;
    zeichneNeu();
}

// The axes item opens the chooser at whatever colour it holds from its last
// use, which may be a graph's or the grid's.
void TForm1::MenAchsenFarbeClick() { waehleFarbe(Anzeige.AchsenFarbe, false); }
void TForm1::MenVorgSchaubFarbeClick() { waehleFarbe(Anzeige.VorgFarbe, true); }
void TForm1::MenNetzFarbeClick() { waehleFarbe(Anzeige.NetzFarbe, true); }

// The pupil's equation and its group box caption follow the graph's colour,
// also when the chooser was cancelled.
void TForm1::MemUserSchaubFarbeClick()
{
    waehleFarbe(Anzeige.UserFarbe, true);
    if (m_ablauf.UserTyp() >= 0)
        ZeigeUserWerte(m_ablauf.UserTyp());
    SetzeTextfarbe(findChild<QGroupBox*>(QStringLiteral("GBGleichung")), Anzeige.UserFarbe);
}

// A cancelled chooser changes nothing and draws nothing.
void TForm1::waehleFarbe(QColor& einstellung, bool voreingestellt)
{
    if (voreingestellt)
        m_farbwahl = einstellung;
    const std::optional<QColor> gewaehlt = m_dialoge.WaehleFarbe(this, m_farbwahl);
    if (!gewaehlt)
        return;
    m_farbwahl = *gewaehlt;
    einstellung = *gewaehlt;
    zeichneNeu();
}

void TForm1::Men05RasterClick()
{
    Anzeige.HalbRaster = !Anzeige.HalbRaster;
    Men05Raster->setChecked(Anzeige.HalbRaster);
    zeichneNeu();
}

// Every option redraws with the full pass, which in a task judges again.
void TForm1::zeichneNeu() { Ereignis([this] { m_ablauf.AnzeigeGeaendert(); }); }

void TForm1::MenInfoClick()
{
    if (!InfoBox)
        InfoBox = new TInfoBox(m_bericht, this);
    m_dialoge.ZeigeModal(*InfoBox);
}
