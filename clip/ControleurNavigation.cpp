#include "clip/ControleurNavigation.h"

#include "app/ContexteFenetre.h"
#include "clip/DefilementPanneau.h"
#include "clip/GlisserPanneau.h"
#include "clip/ZonePointage.h"
#include "dialogs/TalleraDlg.h"
#include "measure/CalculTableau.h"
#include "model/Seance.h"
#include "platform/Bulles.h"
#include "platform/Locale.h"
#include "platform/PeripheriqueMedia.h"
#include "platform/RegistreCurseurs.h"

#include <QAction>
#include <QEvent>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cstdlib>
#include <utility>

using Mode = PeripheriqueMedia::Mode;

ControleurNavigation::ControleurNavigation(const ContexteFenetre& contexte)
    : QObject(contexte.fenetre)
    , f(contexte) {
    construireBarre();
    touchesClavier();

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(40);
    connect(Timer1, &QTimer::timeout, this, &ControleurNavigation::Timer1Timer);
    Timer1->start();

    PeripheriqueMedia* m = f.MediaPlayer1;
    connect(m, &PeripheriqueMedia::notification, this, &ControleurNavigation::MediaPlayer1Notify);
    connect(m, &PeripheriqueMedia::imageChangee, this, [this](int index) {
        // While playing, the number shown follows the picture (noImage waits for the end).
        if (f.MediaPlayer1->mode() == Mode::Lecture)
            lblNoImage2->setText(QString::number(index + 1));
    });
    connect(f.PaintBox1, &ZonePointage::repeintDemande, this,
            &ControleurNavigation::PaintBox1Paint);
    f.fenetre->installEventFilter(this);

    // Dragged within what the display area shows: a clip larger than the area is dragged
    // (or scrolled) to any of its pixels.
    glisser = new GlisserPanneau(
        f.pnl1AVI, [this] { return f.clipOuvert(); },
        [this] { return DefilementPanneau::partieVisible(*f.ScrollBox1); });
    connect(glisser, &GlisserPanneau::survol, this, &ControleurNavigation::pnl1AVIMouseMove);
    connect(glisser, &GlisserPanneau::debut, this, &ControleurNavigation::pnl1AviMouseDown);
    connect(glisser, &GlisserPanneau::fin, this, &ControleurNavigation::pnl1AVIMouseMove);

    if (QAction* atteindre = f.action("popUpMenuAtteindre"))
        connect(atteindre, &QAction::triggered, this,
                &ControleurNavigation::popUpMenuAtteindreClick);
}

void ControleurNavigation::construireBarre() {
    QToolBar* barre = f.ToolBar2;
    struct Bouton {
        QToolButton** membre;
        const char* nom;
        int tag;
        QStyle::StandardPixmap icone;
        QString bulle;
    };
    const Bouton boutons[] = {
        {&bbtnPlay, "bbtnPlay", 2, QStyle::SP_MediaPlay, QStringLiteral("Jouer le clip")},
        {&bbtnDeb, "bbtnDeb", 3, QStyle::SP_MediaSkipBackward, QStringLiteral("Première image")},
        {&bbtnFin, "bbtnFin", 4, QStyle::SP_MediaSkipForward, QStringLiteral("Dernière image")},
        {&bbtnPre, "bbtnPre", 5, QStyle::SP_MediaSeekBackward, QStringLiteral("Image précédente")},
        {&bbtnSui, "bbtnSui", 6, QStyle::SP_MediaSeekForward, QStringLiteral("Image suivante")},
    };
    for (const Bouton& b : boutons) {
        auto* bouton = new QToolButton(barre);
        bouton->setObjectName(b.nom);
        bouton->setProperty("tag", b.tag);
        bouton->setIcon(barre->style()->standardIcon(b.icone));
        bouton->setEnabled(false);
        bulles::appliquer(bouton, b.bulle + "|" + b.bulle);
        barre->addWidget(bouton);
        connect(bouton, &QToolButton::clicked, this, [this, bouton] { bbtnPlayClick(bouton); });
        *b.membre = bouton;
    }
    auto etiquette = [&](QLabel*& membre, const char* nom, const QString& texte) {
        membre = new QLabel(texte, barre);
        membre->setObjectName(nom);
        barre->addWidget(membre);
    };
    barre->addSeparator();
    etiquette(lblNoImage1, "lblNoImage1", QStringLiteral("image n° "));
    etiquette(lblNoImage2, "lblNoImage2", QStringLiteral("0"));
    etiquette(lblNoImage3, "lblNoImage3", QStringLiteral(" / "));
    etiquette(lblNoImage4, "lblNoImage4", QStringLiteral("0"));
    etiquette(lblNoImage5, "lblNoImage5", QString());
}

void ControleurNavigation::touchesClavier() {
    // Right, Left, Home and End step like the buttons while the focus is on the clip side
    // (the image takes the focus when clicked). The table and the boxes of the tabs are on
    // the other side and keep their own keys.
    f.PaintBox1->setFocusPolicy(Qt::ClickFocus);
    const std::pair<Qt::Key, QToolButton*> touches[] = {{Qt::Key_Right, bbtnSui},
                                                        {Qt::Key_Left, bbtnPre},
                                                        {Qt::Key_Home, bbtnDeb},
                                                        {Qt::Key_End, bbtnFin}};
    for (const auto& [touche, bouton] : touches) {
        auto* raccourci = new QShortcut(QKeySequence(touche), f.pnl1);
        raccourci->setContext(Qt::WidgetWithChildrenShortcut);
        connect(raccourci, &QShortcut::activated, this, [this, b = bouton] {
            if (b->isEnabled()) bbtnPlayClick(b);
        });
    }
}

int ControleurNavigation::longueurImages() const {
    PeripheriqueMedia& m = *f.MediaPlayer1;
    m.setFormatTemps(PeripheriqueMedia::FormatTemps::Images);
    return int(m.longueur());
}

// --- Positioning ---------------------------------------------------------------------

void ControleurNavigation::mpPositionner(int i) {
    EtatVue& e = *f.vue;
    PeripheriqueMedia& m = *f.MediaPlayer1;
    // A fresh clip already shows image 0: its first positioning steps nothing.
    if (!(i == 0 && e.noImage == -1)) {
        m.setPas(std::abs(i - e.noImage));
        if (i < e.noImage)
            m.reculer();
        else
            m.avancer();
    }
    e.noImage = i;
    const int n = longueurImages();
    lblNoImage2->setText(QString::number(i + 1));
    lblNoImage4->setText(QString::number(n));
    marqueT0();
    activerNavigation(e.noImage<n - 1, e.noImage> 0, e.noImage < n - 1,
                      e.noImage<n - 1, e.noImage> 0);
}

void ControleurNavigation::reDraw(int i) {
    // A step to a neighbour and back makes the device show the image afresh.
    const bool memeImage = i == f.vue->noImage;
    const Boutons avant = boutons();
    mpPositionner(i == 0 ? 1 : i - 1);
    mpPositionner(i);
    if (memeImage) remettre(avant);
    emit marquesADessiner();
}

// Showing the image already shown again is a repaint, not a move: the buttons stay as they
// were. This keeps the forward commands that opening enables on a clip of one image.
ControleurNavigation::Boutons ControleurNavigation::boutons() const {
    return {bbtnPlay->isEnabled(), bbtnDeb->isEnabled(), bbtnFin->isEnabled(), bbtnSui->isEnabled(),
            bbtnPre->isEnabled()};
}

void ControleurNavigation::remettre(const Boutons& b) {
    activerNavigation(b[0], b[1], b[2], b[3], b[4]);
}

void ControleurNavigation::marqueT0() {
    const int origine = t0 ? t0() : 1;
    lblNoImage5->setText(origine == f.vue->noImage + 1 ? QStringLiteral("   ( t= 0 )") : QString());
}

void ControleurNavigation::activerLecture() {
    for (QToolButton* b : {bbtnPlay, bbtnFin, bbtnSui})
        b->setEnabled(true);
}

void ControleurNavigation::activerNavigation(bool jouer, bool debut, bool fin, bool suivante,
                                             bool precedente) {
    bbtnPlay->setEnabled(jouer);
    bbtnDeb->setEnabled(debut);
    bbtnFin->setEnabled(fin);
    bbtnSui->setEnabled(suivante);
    bbtnPre->setEnabled(precedente);
}

void ControleurNavigation::lignesCourantes() {
    emit ligneCourante(f.vue->noImage + 1);
}

// --- The five buttons and playback ----------------------------------------------------

void ControleurNavigation::bbtnPlayClick(QObject* sender) {
    auto* bouton = qobject_cast<QToolButton*>(sender);
    const bool duBarre = bouton == bbtnPlay || bouton == bbtnDeb || bouton == bbtnFin ||
                         bouton == bbtnPre || bouton == bbtnSui;
    if (f.clipOuvert() && duBarre) {
        EtatVue& e = *f.vue;
        PeripheriqueMedia& m = *f.MediaPlayer1;
        const int n = longueurImages();
        switch (bouton->property("tag").toInt()) {
        case 2:
            m.setPas(1);
            if (m.mode() == Mode::Arrete) {
                // The tables' rows first: their click handling positions the device, which
                // would end a playback already started.
                lignesCourantes();
                m.jouer();
            } else if (m.mode() == Mode::Lecture) {
                // Stop where the playback is: a step of zero from the device's own position
                // ends it there, and the notification that follows takes that image.
                const int p = int(m.position());
                e.noImage = p;
                mpPositionner(p == n ? p - 1 : p);
            }
            break;
        case 3:
            if (e.noImage > 0) mpPositionner(0);
            break;
        case 4:
            if (e.noImage < n - 1) mpPositionner(n - 1);
            break;
        case 5:
            if (e.noImage > 0) mpPositionner(e.noImage - 1);
            break;
        case 6:
            if (e.noImage < n - 1) mpPositionner(e.noImage + 1);
            break;
        default:
            break;
        }
        lignesCourantes();
    }
    emit marquesADessiner();
}

void ControleurNavigation::MediaPlayer1Notify() {
    if (!f.clipOuvert()) return;
    PeripheriqueMedia& m = *f.MediaPlayer1;
    const int n = longueurImages();
    if (m.position() == n) m.chercher(n - 1);
    f.vue->noImage = int(m.position());
    lignesCourantes();
    // The labels and buttons follow even when the table's row did not change.
    mpPositionner(f.vue->noImage);
}

// --- Deferred redraw -----------------------------------------------------------------

void ControleurNavigation::PaintBox1Paint() {
    if (f.clipOuvert()) f.vue->redessinDemande = true;
}

void ControleurNavigation::Timer1Timer() {
    if (!f.vue->redessinDemande) return;
    // A redraw would step the device and end a playback: it waits for the playback's end.
    if (f.clipOuvert() && f.MediaPlayer1->mode() == Mode::Lecture) return;
    if (f.clipOuvert()) reDraw(f.vue->noImage);
    f.vue->redessinDemande = false;
}

void ControleurNavigation::FormPaint() {
    // The window repaints whenever a label or a button of it does: during a playback that
    // must not become a step that stops it.
    if (f.clipOuvert() && f.MediaPlayer1->mode() != Mode::Lecture) {
        const Boutons avant = boutons();
        mpPositionner(f.vue->noImage);
        remettre(avant);
    }
}

bool ControleurNavigation::eventFilter(QObject* objet, QEvent* e) {
    if (objet == f.fenetre && e->type() == QEvent::Paint) FormPaint();
    return false;
}

// --- Dragging the clip panel -----------------------------------------------------------

void ControleurNavigation::pnl1AVIMouseMove() {
    if (f.clipOuvert()) f.curseurs->appliquer(f.pnl1AVI, 50);
}

void ControleurNavigation::pnl1AviMouseDown() {
    if (!f.clipOuvert()) return;
    f.curseurs->appliquer(f.pnl1AVI, 51);
    if (QAction* adapter = f.action("mnuImaAdapter")) adapter->setEnabled(true);
}

// --- Go to image -----------------------------------------------------------------------

void ControleurNavigation::connecterDialogue() {
    TalleraDlg* d = f.dlg->alleraDlg;
    if (dialogueConnecte || !d) return;
    dialogueConnecte = true;
    d->clipOuvert = [this] { return f.clipOuvert(); };
    connect(d, &TalleraDlg::atteindre, this, &ControleurNavigation::allerA);
    connect(d, &TalleraDlg::effacerPoint, this, &ControleurNavigation::effacerPoint);
    connect(d, &TalleraDlg::pointsEffaces, this, [this] { reDraw(f.vue->noImage); });
}

void ControleurNavigation::chercherPointsPixel(int x, int y) {
    connecterDialogue();
    TalleraDlg* d = f.dlg->alleraDlg;
    QAction* atteindre = f.action("popUpMenuAtteindre");
    if (!d || !f.clipOuvert()) return;
    const QRect rect = f.MediaPlayer1->rectangleAffichage();
    if (x >= rect.width() || y >= rect.height()) return;
    d->vider();
    if (atteindre) atteindre->setEnabled(false);
    const Seance& s = *f.seance;
    const QPoint cherche(x, y);
    const QChar sep = separateurDecimal();
    bool trouve = false;
    for (int r = 1; r <= s.clip().nbImages; ++r)
        for (int k = 1; k <= s.n(); ++k)
            if (s.point(r - 1, k) == cherche) {
                // t as the table writes it: empty before the time origin.
                const QString t =
                    r < s.t0() ? QString() : calcul::texteT(s, r, s.t0(), s.decimalesT(), sep);
                d->ajouterLigne(r, t, k);
                trouve = true;
            }
    if (trouve) {
        if (atteindre) atteindre->setEnabled(true);
        d->setLigneFixe(true);
    }
}

void ControleurNavigation::popUpMenuAtteindreClick() {
    connecterDialogue();
    if (f.dlg->alleraDlg) f.dlg->alleraDlg->exec();
}

void ControleurNavigation::allerA(int r, int k) {
    if (!f.clipOuvert()) return;
    emit celluleDemandee(2 * k - 1, r);
    emit pointChoisi(k);
    mpPositionner(r - 1);
    emit marquesADessiner();
}

void ControleurNavigation::effacerPoint(int r, int k) {
    emit effacementDemande(QRect(2 * k - 1, r, 2, 1), 2 * k - 1, r);
}
