#include "platform/RetourALaLigne.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace {

constexpr int kDrapeaux = Qt::TextWordWrap | Qt::TextShowMnemonic;

// What the three kinds differ in, for the style.
struct Genre {
    QStyle::ContentsType contenu;
    QStyle::ControlElement dessin;
    QStyle::SubElement zoneTexte;
    QPalette::ColorRole couleur;
};
constexpr Genre kRadio{QStyle::CT_RadioButton, QStyle::CE_RadioButton,
                       QStyle::SE_RadioButtonContents, QPalette::WindowText};
constexpr Genre kBouton{QStyle::CT_PushButton, QStyle::CE_PushButtonBevel,
                        QStyle::SE_PushButtonContents, QPalette::ButtonText};

// Size of the text written within a width, lines broken between words.
QSize texteDans(const QWidget* w, const QString& texte, int largeur) {
    return w->fontMetrics()
        .boundingRect(QRect(0, 0, std::max(1, largeur), 100000), kDrapeaux, texte)
        .size();
}

// Width of the longest word: no narrower line can hold it.
int motLePlusLong(const QWidget* w, const QString& texte) {
    int m = 0;
    for (const QString& mot : texte.split(' ', Qt::SkipEmptyParts))
        m = std::max(m, w->fontMetrics().size(Qt::TextShowMnemonic, mot).width());
    return m;
}

// The style's frame around a text of the given size.
QSize avecCadre(const QWidget* w, const Genre& g, const QStyleOptionButton& opt, QSize texte) {
    return w->style()->sizeFromContents(g.contenu, &opt, texte, w);
}

// Width the style adds to the text: measured around a wide text, as some styles give a
// button with a short text a least width.
int cadreLargeur(const QWidget* w, const Genre& g, const QStyleOptionButton& opt) {
    constexpr int kLarge = 1000;
    return avecCadre(w, g, opt, QSize(kLarge, w->fontMetrics().height())).width() - kLarge;
}

QSize minimum(const QWidget* w, const Genre& g, const QStyleOptionButton& opt,
              const QString& texte) {
    const int largeurTexte = motLePlusLong(w, texte);
    return avecCadre(w, g, opt, texteDans(w, texte, largeurTexte))
        .expandedTo(QSize(0, avecCadre(w, g, opt, QSize(0, w->fontMetrics().height())).height()));
}

int hauteurPour(const QWidget* w, const Genre& g, const QStyleOptionButton& opt,
                const QString& texte, int largeur) {
    const int largeurTexte = std::max(motLePlusLong(w, texte), largeur - cadreLargeur(w, g, opt));
    // Never lower than on one line.
    return std::max(avecCadre(w, g, opt, texteDans(w, texte, largeurTexte)).height(),
                    w->sizeHint().height());
}

QRect zoneTexte(const QWidget* w, const Genre& g, QStyleOptionButton opt) {
    opt.rect = w->rect();
    return w->style()->subElementRect(g.zoneTexte, &opt, w);
}

// Draws the button without its text, then the text broken into lines. The one-line
// drawing of the base class is kept while the text fits on one line.
void dessiner(QWidget* w, const Genre& g, QStyleOptionButton opt, Qt::Alignment alignement) {
    QStylePainter p(w);
    const QString texte = opt.text;
    opt.text.clear();
    p.drawControl(g.dessin, opt);
    QRect zone = w->style()->subElementRect(g.zoneTexte, &opt, w);
    if (g.dessin == QStyle::CE_RadioButton)
        zone.setRight(w->rect().right());
    p.drawItemText(zone, int(alignement) | kDrapeaux, opt.palette, w->isEnabled(), texte,
                   g.couleur);
}

QSizePolicy politique(QSizePolicy::Policy horizontale) {
    QSizePolicy p(horizontale, QSizePolicy::Preferred);
    p.setHeightForWidth(true);
    return p;
}

} // namespace

// --- Label ----------------------------------------------------------------------------------

EtiquetteRetour::EtiquetteRetour(const QString& texte, QWidget* parent) : QLabel(texte, parent) {
    setWordWrap(true);
}

QSize EtiquetteRetour::sizeHint() const {
    const QSize ligne = fontMetrics().size(0, text());
    const QMargins m = contentsMargins();
    const int bord = 2 * margin();
    return QSize(ligne.width() + m.left() + m.right() + bord,
                 std::max(ligne.height(), fontMetrics().height()) + m.top() + m.bottom() + bord);
}

// --- Radio button ---------------------------------------------------------------------------

RadioRetour::RadioRetour(const QString& texte, QWidget* parent) : QRadioButton(texte, parent) {
    setSizePolicy(politique(QSizePolicy::Preferred));
}

QSize RadioRetour::minimumSizeHint() const {
    QStyleOptionButton opt;
    initStyleOption(&opt);
    return minimum(this, kRadio, opt, text());
}

int RadioRetour::heightForWidth(int largeur) const {
    QStyleOptionButton opt;
    initStyleOption(&opt);
    return hauteurPour(this, kRadio, opt, text(), largeur);
}

QRect RadioRetour::rectangleTexte() const {
    QStyleOptionButton opt;
    initStyleOption(&opt);
    QRect r = zoneTexte(this, kRadio, opt);
    r.setRight(rect().right());
    return r;
}

void RadioRetour::paintEvent(QPaintEvent* e) {
    if (width() >= sizeHint().width()) return QRadioButton::paintEvent(e);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    dessiner(this, kRadio, opt, Qt::AlignLeft | Qt::AlignVCenter);
}

bool RadioRetour::hitButton(const QPoint& pos) const { return rect().contains(pos); }

// --- Push button ----------------------------------------------------------------------------

BoutonRetour::BoutonRetour(const QString& texte, QWidget* parent) : QPushButton(texte, parent) {
    setSizePolicy(politique(QSizePolicy::Preferred));
}

QSize BoutonRetour::minimumSizeHint() const {
    QStyleOptionButton opt;
    initStyleOption(&opt);
    return minimum(this, kBouton, opt, text());
}

int BoutonRetour::heightForWidth(int largeur) const {
    QStyleOptionButton opt;
    initStyleOption(&opt);
    return hauteurPour(this, kBouton, opt, text(), largeur);
}

QRect BoutonRetour::rectangleTexte() const {
    QStyleOptionButton opt;
    initStyleOption(&opt);
    return zoneTexte(this, kBouton, opt);
}

void BoutonRetour::paintEvent(QPaintEvent* e) {
    if (width() >= sizeHint().width()) return QPushButton::paintEvent(e);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    dessiner(this, kBouton, opt, Qt::AlignCenter);
}
