#include "export/ControleurPressePapier.h"

#include "dialogs/Dialogues.h"
#include "dialogs/TSauveGraphicPPBox.h"
#include "dialogs/TSauveTableauPPBox.h"
#include "export/Releve.h"
#include "export/TextePressePapier.h"
#include "model/Seance.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QThread>
#include <QToolButton>

ControleurPressePapier::ControleurPressePapier(QWidget& fenetre, QWidget& image, Seance& seance,
                                               const Dialogues& dialogues,
                                               std::function<Releve()> releve,
                                               std::function<void(QPainter&)> dessinerCalque)
    : QObject(&fenetre)
    , f(fenetre)
    , image_(image)
    , seance_(seance)
    , dlg_(dialogues)
    , releve_(std::move(releve))
    , dessinerCalque_(std::move(dessinerCalque)) {
    connecter();
}

void ControleurPressePapier::connecter() {
    auto action = [this](const char* nom) { return f.findChild<QAction*>(nom); };
    auto bouton = [this](const char* nom) { return f.findChild<QToolButton*>(nom); };
    connect(action("mnuTableauPP"), &QAction::triggered, this,
            &ControleurPressePapier::mnuTableauPPClick);
    connect(bouton("bbtnCopierMesuresPP"), &QToolButton::clicked, this,
            &ControleurPressePapier::mnuTableauPPClick);
    connect(action("mnuGraphiquePP"), &QAction::triggered, this,
            &ControleurPressePapier::mnuGraphiquePPClick);
    connect(bouton("bbtnCopierGraphiquePP"), &QToolButton::clicked, this,
            &ControleurPressePapier::mnuGraphiquePPClick);
}

void ControleurPressePapier::mnuTableauPPClick() {
    TSauveTableauPPBox* d = dlg_.SauveTableauPPBox;
    if (d == nullptr) return;
    d->copier = [this](const QString& titre, const QString& sep) { copierTableau(titre, sep); };
    d->exec();
}

void ControleurPressePapier::mnuGraphiquePPClick() {
    TSauveGraphicPPBox* d = dlg_.SauveGraphicPPBox;
    if (d == nullptr) return;
    d->copier = [this, d](bool inclure, const QColor& fond) {
        if (inclure) {
            // The window repaints what the dialog covered before its pixels are read.
            d->hide();
            QElapsedTimer attente;
            attente.start();
            while (attente.elapsed() < 100) {
                QApplication::processEvents(QEventLoop::AllEvents, 20);
                QThread::msleep(5);
            }
            QApplication::processEvents();
        }
        copierGraphique(inclure, fond);
    };
    d->exec();
}

void ControleurPressePapier::copierTableau(const QString& titre, const QString& separateur) {
    const Releve r = releve_();
    QApplication::clipboard()->setText(textePressePapier::texte(r, titre, separateur));
    seance_.pile().setClean();
}

QImage ControleurPressePapier::imageGraphique(bool inclureImage, const QColor& fond) {
    const QSize taille = image_.size();
    if (taille.isEmpty()) return {};
    if (inclureImage) {
        // Everything the window shows over the image area, the magnifier included.
        const QRect zone(image_.mapTo(&f, QPoint(0, 0)), taille);
        QImage ecran = f.grab(zone).toImage().convertToFormat(QImage::Format_RGB32);
        if (ecran.size() != taille) // a screen with several device pixels per pixel
            ecran = ecran.scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return ecran;
    }
    QImage image(taille, QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.fill(fond.rgb());
    QPainter p(&image);
    dessinerCalque_(p);
    return image;
}

void ControleurPressePapier::copierGraphique(bool inclureImage, const QColor& fond) {
    const QImage image = imageGraphique(inclureImage, fond);
    if (image.isNull()) {
        QMessageBox::critical(&f, QStringLiteral("Erreur"),
                              QStringLiteral("Impossible de créer l'image du graphique."));
        return;
    }
    QApplication::clipboard()->setImage(image);
}
