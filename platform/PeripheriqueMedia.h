#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

class DecodeurFfms;
class QWidget;

// Raised when the device cannot open a file; what() is the decoder's own message.
class ErreurMedia : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The media device that holds the open clip (MediaPlayer1), modelled on a media player
// component: a file name, a display window and rectangle, a time format, relative steps
// by a step count, a position, a mode, seek and play with an end notification.
class PeripheriqueMedia : public QObject {
    Q_OBJECT
public:
    enum class FormatTemps { Millisecondes, Images };
    enum class Mode { NonOuvert, Arrete, Lecture };

    explicit PeripheriqueMedia(QObject* parent = nullptr);
    ~PeripheriqueMedia() override;

    void setNomFichier(const QString& chemin);
    QString nomFichier() const;
    void setFenetreAffichage(QWidget* fenetre); // the video is drawn inside this widget

    // Indexes a file and decodes its first image without touching the clip open now, so that
    // a file that cannot be read leaves it as it was. Throws ErreurMedia.
    std::unique_ptr<DecodeurFfms> preparer(const QString& chemin);
    // Closes the clip open and shows the prepared one on its first image.
    void ouvrir(std::unique_ptr<DecodeurFfms> decodeur);
    void ouvrir(); // closes, then opens the file named; throws ErreurMedia
    void fermer(); // harmless when nothing is open
    bool estOuvert() const;

    void setFormatTemps(FormatTemps f);
    FormatTemps formatTemps() const;
    int64_t longueur() const; // in the current time format

    QRect rectangleAffichage() const;
    void setRectangleAffichage(const QRect& r);

    void setPas(int n); // frames per step
    int pas() const;
    void avancer();           // steps forward by the step count
    void reculer();           // steps back by the step count
    int64_t position() const; // in the current time format
    void chercher(int64_t position);
    Mode mode() const;
    void jouer(); // plays to the end; emits notification() when it ends
                  // or when another command interrupts it

    int indexAffiche() const; // image shown, 0-based; -1 when none
    const QImage& imageAffichee() const;

    long double periodeImage() const; // seconds per image from the clip's exact rate; 0 closed
    QString nomCodec() const;         // the decoder's name for the clip's codec; empty closed
    // Presentation time of each image in seconds from the first; empty when closed.
    std::vector<long double> instants() const;
    QWidget* ecranVideo() const; // the picture widget inside the display window
    // Whether image n is decoded and waiting in the cache (for tests and measurements).
    bool imageEnCache(int n) const;
    int demandesAuFil() const; // requests made to the worker decoding ahead (for tests)
    // Indexing that lasts longer than this shows its progress (and can be cancelled).
    void setDelaiProgression(int ms);

signals:
    void notification(); // end or interruption of a playback
    void imageChangee(int index);

private:
    void afficherPosition(int64_t position); // shows that image and tells imageChangee
    void terminerLecture();                  // a command interrupts a playback
    void notifierPlusTard();                 // notification() as an event of the UI thread

    struct Impl;
    Impl* d;
};
