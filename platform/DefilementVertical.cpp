#include "platform/DefilementVertical.h"

#include <QEvent>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

DefilementVertical::DefilementVertical(QWidget* parent)
    : QScrollArea(parent)
    , contenu_(new QWidget) {
    setFrameShape(QFrame::NoFrame);
    // Only a word too long for any line (a long file name) can make the controls wider
    // than the page; the user then scrolls sideways rather than losing its end.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(false);
    // The page's own background shows through.
    viewport()->setAutoFillBackground(false);
    contenu_->setAutoFillBackground(false);
    setWidget(contenu_);
    contenu_->installEventFilter(this);
}

int DefilementVertical::hauteurPour(int largeur) const {
    const int h = contenu_->hasHeightForWidth() ? contenu_->heightForWidth(largeur)
                                                : contenu_->sizeHint().height();
    return std::max(h, contenu_->minimumSizeHint().height());
}

void DefilementVertical::ajuster() {
    if (ajustement_) return;
    ajustement_ = true;
    const QMargins cadre = contentsMargins();
    const int largeurTotale = width() - cadre.left() - cadre.right();
    const int hauteurVue = height() - cadre.top() - cadre.bottom();
    int largeur = largeurTotale;
    int hauteur = hauteurPour(largeur);
    if (hauteur > hauteurVue) {
        // The scroll bar takes its width from the controls.
        largeur = largeurTotale - verticalScrollBar()->sizeHint().width();
        hauteur = hauteurPour(largeur);
    }
    contenu_->resize(std::max(largeur, contenu_->minimumSizeHint().width()),
                     std::max(hauteur, hauteurVue));
    ajustement_ = false;
}

void DefilementVertical::resizeEvent(QResizeEvent* e) {
    QScrollArea::resizeEvent(e);
    ajuster();
}

bool DefilementVertical::eventFilter(QObject* objet, QEvent* e) {
    const bool r = QScrollArea::eventFilter(objet, e);
    if (objet == contenu_ && e->type() == QEvent::LayoutRequest) ajuster();
    return r;
}

QWidget* defilementVertical(QWidget* page, QScrollArea** zone) {
    auto* bord = new QVBoxLayout(page);
    bord->setContentsMargins(0, 0, 0, 0);
    auto* defilement = new DefilementVertical(page);
    bord->addWidget(defilement);
    if (zone != nullptr) *zone = defilement;
    return defilement->contenu();
}
