#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <functional>

class QPainter;
class QWidget;
class Seance;
struct Dialogues;
struct Releve;

// The two clipboard commands: the table as text and the overlay as a picture. Each shows
// its dialog; the dialog's "OK" comes back here for the copying.
class ControleurPressePapier : public QObject {
    Q_OBJECT
public:
    // What it needs of the window: the window itself (parent of its boxes, holder of the
    // actions and buttons, and what is grabbed), its image area, the document (whose
    // measures a copy marks as saved), the dialogs, the table's snapshot, and the drawing of
    // the axes and points.
    ControleurPressePapier(QWidget& fenetre, QWidget& image, Seance& seance,
                           const Dialogues& dialogues, std::function<Releve()> releve,
                           std::function<void(QPainter&)> dessinerCalque);

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

    QWidget& f;
    QWidget& image_;
    Seance& seance_;
    const Dialogues& dlg_;
    std::function<Releve()> releve_;
    std::function<void(QPainter&)> dessinerCalque_;
};
