#pragma once

#include <QColor>
#include <QImage>
#include <QObject>

class TForm1;

// The two clipboard commands: the table as text and the overlay as a picture. Each shows
// its dialog; the dialog's "OK" comes back here for the copying.
class ControleurPressePapier : public QObject {
    Q_OBJECT
public:
    explicit ControleurPressePapier(TForm1& form);

    void mnuTableauPPClick();
    void mnuGraphiquePPClick();

    // What "OK" copies, also for the tests.
    void copierTableau(const QString& titre, const QString& separateur);
    // The picture of the image area: as it is on screen, or the axes and points alone on
    // the background colour. Sized to the displayed image.
    QImage imageGraphique(bool inclureImage, const QColor& fond);

private:
    void connecter();
    void copierGraphique(bool inclureImage, const QColor& fond);

    TForm1& f;
};
