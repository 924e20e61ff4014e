#include "platform/PeripheriqueMedia.h"

// Placeholder until the FFMS2 device lands: nothing ever opens.
struct PeripheriqueMedia::Impl {
    QString nom;
    QImage image;
    QRect rect;
    FormatTemps format = FormatTemps::Millisecondes;
    int pas = 1;
};

PeripheriqueMedia::PeripheriqueMedia(QObject* parent) : QObject(parent), d(new Impl) {
    setObjectName("MediaPlayer1");
}
PeripheriqueMedia::~PeripheriqueMedia() { delete d; }
void PeripheriqueMedia::setNomFichier(const QString& chemin) { d->nom = chemin; }
QString PeripheriqueMedia::nomFichier() const { return d->nom; }
void PeripheriqueMedia::setFenetreAffichage(QWidget*) {}
void PeripheriqueMedia::ouvrir() { throw ErreurMedia("pas de lecteur"); }
void PeripheriqueMedia::fermer() {}
bool PeripheriqueMedia::estOuvert() const { return false; }
void PeripheriqueMedia::setFormatTemps(FormatTemps f) { d->format = f; }
PeripheriqueMedia::FormatTemps PeripheriqueMedia::formatTemps() const { return d->format; }
int64_t PeripheriqueMedia::longueur() const { return 0; }
QRect PeripheriqueMedia::rectangleAffichage() const { return d->rect; }
void PeripheriqueMedia::setRectangleAffichage(const QRect& r) { d->rect = r; }
void PeripheriqueMedia::setPas(int n) { d->pas = n; }
int PeripheriqueMedia::pas() const { return d->pas; }
void PeripheriqueMedia::avancer() {}
void PeripheriqueMedia::reculer() {}
int64_t PeripheriqueMedia::position() const { return 0; }
void PeripheriqueMedia::chercher(int64_t) {}
PeripheriqueMedia::Mode PeripheriqueMedia::mode() const { return Mode::NonOuvert; }
void PeripheriqueMedia::jouer() {}
int PeripheriqueMedia::indexAffiche() const { return -1; }
const QImage& PeripheriqueMedia::imageAffichee() const { return d->image; }
