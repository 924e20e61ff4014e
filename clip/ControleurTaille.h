#pragma once

#include <QObject>
#include <QSize>

class TForm1;

// Display size of the clip: the menu "Clip" (100%, Adapter, Autre...), the tool button
// bbtnIma, the dialog TtailleImaBox and the application of a percentage (MaJ): the video
// scaled by the media device, the clip panel and the pointing surface resized, the table
// and the scale reset.
class ControleurTaille : public QObject {
    Q_OBJECT
public:
    explicit ControleurTaille(TForm1& form);

    void bbtnImaClick();
    void mnuIma100Click();
    void mnuImaAdapterClick();
    void Splitter1Moved();

    // Applies p percent; with points recorded, asks first. False when the user said No.
    bool MaJ(int p, bool adapter);
    // Percentage that fits the clip in the display area as it is now.
    int pcAdapte() const;
    // Clip opening: a clip larger than the display area is shown fitted (the table is
    // empty, nothing is lost); a clip that fits stays at 100 %.
    void ouvertureAdaptee();

private:
    void connecterDialogue();
    void montrerDialogue();
    void redimensionner(int p, bool adapter);

    TForm1& f;
    bool dialogueConnecte = false;
};
