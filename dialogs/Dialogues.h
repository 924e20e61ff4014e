#pragma once

class TdlgPointeur;
class TAboutBox;
class TaccesregBox;
class TFormatTxtBox;
class TsauverMesuresBox;
class TtailleImaBox;
class TaspectPointBox;
class TSauveTableauPPBox;
class TdlgImprimer;
class TSauveGraphicPPBox;
class TaccesClipsBox;
class TalleraDlg;
class TaccesTabBox;

// The dialogs created once at start-up, after the main window, in this order.
struct Dialogues {
    TdlgPointeur* dlgPointeur = nullptr;
    TAboutBox* AboutBox = nullptr;
    TaccesregBox* accesregBox = nullptr;
    TFormatTxtBox* FormatTxtBox = nullptr;
    TsauverMesuresBox* sauverMesuresBox = nullptr;
    TtailleImaBox* tailleImaBox = nullptr;
    TaspectPointBox* aspectPointBox = nullptr;
    TSauveTableauPPBox* SauveTableauPPBox = nullptr;
    TdlgImprimer* dlgImprimer = nullptr;
    TSauveGraphicPPBox* SauveGraphicPPBox = nullptr;
    TaccesClipsBox* accesClipsBox = nullptr;
    TalleraDlg* alleraDlg = nullptr;
    TaccesTabBox* accesTabBox = nullptr;
};
