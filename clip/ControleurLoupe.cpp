#include "clip/ControleurLoupe.h"

#include "app/ContexteFenetre.h"
#include "clip/GeometrieLoupe.h"
#include "clip/GlisserPanneau.h"
#include "clip/ZonePointage.h"
#include "platform/Bulles.h"
#include "platform/PeripheriqueMedia.h"
#include "platform/RegistreCurseurs.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSplitter>
#include <QSplitterHandle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using namespace geometrieLoupe;

namespace {

// The enlarged picture; it keeps the arrow pointer and its presses never start a drag.
class ImageLoupe : public QWidget {
public:
    explicit ImageLoupe(QWidget* parent)
        : QWidget(parent)
        , image(kImage, kImage, QImage::Format_RGB32) {
        setObjectName("loupeImg");
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoMousePropagation);
        setCursor(Qt::ArrowCursor);
        image.fill(QColor(0, 0, 255));
    }
    QImage image;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, image);
    }
};

QFrame* ligne(QWidget* parent, const char* nom, const QRect& r) {
    auto* l = new QFrame(parent);
    l->setObjectName(nom);
    l->setGeometry(r);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, Qt::black);
    l->setPalette(pal);
    l->setAttribute(Qt::WA_NoMousePropagation);
    l->setCursor(Qt::ArrowCursor);
    return l;
}

} // namespace

ControleurLoupe::ControleurLoupe(const ContexteFenetre& contexte)
    : QObject(contexte.fenetre)
    , f(contexte) {
    construire();

    Timer3 = new QTimer(this);
    Timer3->setObjectName("Timer3");
    Timer3->setInterval(500);
    connect(Timer3, &QTimer::timeout, this, &ControleurLoupe::Timer3Timer);
    Timer3->start();

    connect(f.PaintBox1, &ZonePointage::sourisDeplacee, this, [this](QMouseEvent* e) {
        if (!f.loupePnl->isVisible()) return;
        const QPoint p = e->position().toPoint();
        loupe(p.x(), p.y());
    });
    if (auto* b = f.controle<QToolButton>("loupeBtn"))
        connect(b, &QToolButton::clicked, this, &ControleurLoupe::loupeBtnClick);
    for (const char* nom : {"LoupePopupMnu", "Fermer1"})
        if (QAction* a = f.action(nom))
            connect(a, &QAction::triggered, this, &ControleurLoupe::loupeBtnClick);
    if (QAction* a = f.action("LoupePopupMnu")) a->setCheckable(true);
}

void ControleurLoupe::construire() {
    QFrame* p = f.loupePnl;
    p->setFixedSize(kPanneau, kPanneau);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Sunken);
    p->setLineWidth(1);
    p->setAutoFillBackground(true);
    QPalette pal = p->palette();
    pal.setColor(QPalette::Window, QColor(0, 255, 255));
    p->setPalette(pal);

    auto* image = new ImageLoupe(p);
    image->setGeometry(kBord, kBord, kImage, kImage);
    loupeImg = image;
    ligne(p, "loupeShpV", QRect(kBord + kReticule, kBord, 1, kImage));
    ligne(p, "loupeShpH", QRect(kBord, kBord + kReticule, kImage, 1));

    auto* cacher = new QToolButton(p);
    cacher->setObjectName("BitBtn2");
    cacher->setGeometry(118, 2, 15, 15);
    cacher->setText(QStringLiteral("×"));
    cacher->setAutoRaise(true);
    cacher->setCursor(Qt::ArrowCursor);
    bulles::appliquer(cacher, QStringLiteral("Cacher la loupe|Cacher la loupe"));
    connect(cacher, &QToolButton::clicked, this, &ControleurLoupe::loupeBtnClick);

    p->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(p, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (auto* menu = f.fenetre->findChild<QMenu*>("PopupMenu2"))
            menu->popup(f.loupePnl->mapToGlobal(pos));
    });

    glisser = new GlisserPanneau(p, [] { return true; });
    connect(glisser, &GlisserPanneau::survol, this, &ControleurLoupe::loupePnlMouseMove);
    connect(glisser, &GlisserPanneau::debut, this, &ControleurLoupe::loupePnlMouseDown);
    connect(glisser, &GlisserPanneau::fin, this, [this] {
        retenirCentre();
        loupePnlMouseMove();
    });
}

const QImage& ControleurLoupe::image() const {
    return static_cast<ImageLoupe*>(loupeImg)->image;
}

void ControleurLoupe::retenirCentre() {
    const QPoint centreRetenu =
        centre(f.loupePnl->geometry(), f.pnl1->mapTo(f.fenetre, QPoint(0, 0)));
    f.vue->xLoupe = centreRetenu.x();
    f.vue->yLoupe = centreRetenu.y();
}

void ControleurLoupe::loupeBtnClick() {
    if (f.loupePnl->isVisible()) {
        retenirCentre();
        f.loupePnl->hide();
    } else {
        static_cast<ImageLoupe*>(loupeImg)->image.fill(QColor(0, 0, 255));
        loupeImg->update();
        placeLoupe();
        f.loupePnl->show();
        f.loupePnl->raise();
    }
    if (QAction* a = f.action("LoupePopupMnu")) a->setChecked(f.loupePnl->isVisible());
}

void ControleurLoupe::colorerReticule(const QColor& c) {
    for (const char* nom : {"loupeShpV", "loupeShpH"}) {
        if (auto* w = f.loupePnl->findChild<QWidget*>(nom)) {
            QPalette pal = w->palette();
            pal.setColor(QPalette::Window, c);
            w->setPalette(pal);
            w->setAutoFillBackground(true);
            w->update();
        }
    }
}

void ControleurLoupe::placeLoupe() {
    Cadre c;
    c.cote = QRect(f.pnl1->mapTo(f.fenetre, QPoint(0, 0)), f.pnl1->size());
    c.hauteurHaut = f.tbCoord->height();
    c.hauteurBas = f.ToolBar2->height();
    QWidget* poignee = f.Splitter1->handle(1);
    c.gaucheSeparateur =
        poignee != nullptr ? poignee->mapTo(f.fenetre, QPoint(0, 0)).x() : c.cote.right() + 1;
    c.panneau = f.loupePnl->size();
    f.loupePnl->move(coin(c, QPoint(f.vue->xLoupe, f.vue->yLoupe)));
}

void ControleurLoupe::loupe(int x, int y) {
    const QImage vide;
    const QImage& video = f.clipOuvert() ? f.MediaPlayer1->imageAffichee() : vide;
    const QRgb fond = f.pnl1AVI->palette().color(QPalette::Window).rgb();
    static_cast<ImageLoupe*>(loupeImg)->image = agrandir(video, f.PaintBox1->calque, x, y, fond);
    loupeImg->update();
}

void ControleurLoupe::Timer3Timer() {
    if (f.loupePnl->isVisible()) loupe(f.vue->xSouris, f.vue->ySouris);
}

void ControleurLoupe::loupePnlMouseMove() {
    f.curseurs->appliquer(f.loupePnl, 50);
}

void ControleurLoupe::loupePnlMouseDown() {
    f.curseurs->appliquer(f.loupePnl, 51);
}
