#include "measure/GrilleMesures.h"

#include "measure/ModeleMesures.h"
#include "measure/OutilsGrille.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

const QColor kFondFixe(255, 255, 225); // pale yellow
const QColor kGris(128, 128, 128);
const QColor kArgent(192, 192, 192);
const QColor kTrait(160, 160, 160);

// The fixed row and column are the view's headers, drawn like the other cells.
class EnteteGrille : public QHeaderView {
public:
    EnteteGrille(Qt::Orientation o, GrilleMesures* v)
        : QHeaderView(o, v)
        , vue(v) {}

protected:
    void paintSection(QPainter* p, const QRect& rect, int section) const override {
        const int c = orientation() == Qt::Horizontal ? section + 1 : 0;
        const int r = orientation() == Qt::Horizontal ? 0 : section + 1;
        vue->StringGrid1DrawCell(*p, c, r, rect, false);
        p->setPen(kTrait);
        p->drawLine(rect.topRight(), rect.bottomRight());
        p->drawLine(rect.bottomLeft(), rect.bottomRight());
    }

private:
    GrilleMesures* vue;
};

class DelegueGrille : public QStyledItemDelegate {
public:
    explicit DelegueGrille(GrilleMesures* v)
        : QStyledItemDelegate(v)
        , vue(v) {}
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override {
        vue->StringGrid1DrawCell(*p, i.column() + 1, i.row() + 1, o.rect,
                                 o.state & QStyle::State_Selected);
        if (o.state & QStyle::State_HasFocus) {
            p->setPen(QPen(Qt::black, 1, Qt::DotLine));
            p->drawRect(o.rect.adjusted(1, 1, -2, -2));
        }
    }

private:
    GrilleMesures* vue;
};

} // namespace

GrilleMesures::GrilleMesures(QWidget* parent)
    : QTableView(parent) {
    setObjectName("StringGrid1");
    QFont police(QStringLiteral("Courier New"));
    police.setStyleHint(QFont::TypeWriter);
    police.setPixelSize(13);
    setFont(police);

    auto* haut = new EnteteGrille(Qt::Horizontal, this);
    auto* gauche = new EnteteGrille(Qt::Vertical, this);
    setHorizontalHeader(haut);
    setVerticalHeader(gauche);
    for (QHeaderView* h : {static_cast<QHeaderView*>(haut), static_cast<QHeaderView*>(gauche)}) {
        h->setFont(police);
        h->setSectionsClickable(false);
        h->setHighlightSections(false);
        h->setMinimumSectionSize(1);
        h->setSectionResizeMode(QHeaderView::Fixed);
        h->viewport()->installEventFilter(this);
    }
    haut->setDefaultSectionSize(44);
    haut->setFixedHeight(22);
    gauche->setDefaultSectionSize(22);
    gauche->setFixedWidth(44);

    modele = new ModeleMesures(g, this);
    setModel(modele);
    setItemDelegate(new DelegueGrille(this));
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& courant, const QModelIndex&) { courantChange(courant); });

    // The corner cell shows the t header and selects the whole table on release.
    coin = findChild<QAbstractButton*>();
    if (coin) coin->installEventFilter(this);
}

GrilleMesures::~GrilleMesures() = default;

void GrilleMesures::dimensionner(int colonnes, int lignes) {
    colonnes = std::max(0, colonnes);
    lignes = std::max(0, lignes);
    const int avantC = g.colonnes();
    ++silence;
    if (lignes != g.lignes()) {
        modele->debutReinitialisation();
        g.dimensionner(colonnes, lignes);
        modele->finReinitialisation();
        if (signale.x() >= 1 && signale.y() >= 1 && colonnes > 1 && lignes > 1) {
            const QModelIndex i = modele->index(std::min(signale.y(), lignes - 1) - 1,
                                                std::min(signale.x(), colonnes - 1) - 1);
            selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
        }
    } else if (std::max(0, colonnes - 1) > std::max(0, avantC - 1)) {
        modele->debutAjoutColonnes(std::max(0, avantC - 1), colonnes - 2);
        g.dimensionner(colonnes, lignes);
        modele->finAjoutColonnes();
    } else if (std::max(0, colonnes - 1) < std::max(0, avantC - 1)) {
        modele->debutRetraitColonnes(std::max(0, colonnes - 1), avantC - 2);
        g.dimensionner(colonnes, lignes);
        modele->finRetraitColonnes();
    } else {
        g.dimensionner(colonnes, lignes);
    }
    --silence;
    const QModelIndex i = currentIndex();
    if (i.isValid()) signale = QPoint(i.column() + 1, i.row() + 1);
    toutRedessiner();
}

void GrilleMesures::setCellule(int c, int r, const QString& texte) {
    g.setCellule(c, r, texte);
    if (r == 0) horizontalHeader()->viewport()->update();
    if (c == 0) verticalHeader()->viewport()->update();
    if (r == 0 && c == 0 && coin) coin->update();
    if (r > 0 && c > 0) update(modele->index(r - 1, c - 1));
}

int GrilleMesures::colonne() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() + 1 : std::min(1, std::max(0, g.colonnes() - 1));
}

int GrilleMesures::ligne() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : std::min(1, std::max(0, g.lignes() - 1));
}

void GrilleMesures::setColonne(int c) {
    placer(c, ligne());
}
void GrilleMesures::setLigne(int r) {
    placer(colonne(), r);
}

void GrilleMesures::placer(int c, int r) {
    if (g.colonnes() < 2 || g.lignes() < 2) return;
    c = std::clamp(c, 1, g.colonnes() - 1);
    r = std::clamp(r, 1, g.lignes() - 1);
    selectionModel()->setCurrentIndex(modele->index(r - 1, c - 1),
                                      QItemSelectionModel::ClearAndSelect);
}

void GrilleMesures::courantChange(const QModelIndex& courant) {
    if (!courant.isValid()) return;
    const QPoint p(courant.column() + 1, courant.row() + 1);
    if (p == signale) return;
    signale = p;
    if (silence == 0) emit celluleCourante(p.x(), p.y());
}

void GrilleMesures::toutRedessiner() {
    viewport()->update();
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
    if (coin) coin->update();
}

void GrilleMesures::vider() {
    g.vider();
    toutRedessiner();
}

QRect GrilleMesures::selection() const {
    const QItemSelection s = selectionModel()->selection();
    if (s.isEmpty()) return plage(colonne(), ligne(), colonne(), ligne());
    int gauche = INT_MAX, haut = INT_MAX, droite = -1, bas = -1;
    for (const QItemSelectionRange& p : s) {
        gauche = std::min(gauche, p.left() + 1);
        haut = std::min(haut, p.top() + 1);
        droite = std::max(droite, p.right() + 1);
        bas = std::max(bas, p.bottom() + 1);
    }
    return plage(gauche, haut, droite, bas);
}

void GrilleMesures::setSelection(const QRect& p) {
    if (g.colonnes() < 2 || g.lignes() < 2) return;
    const int gauche = std::clamp(p.left(), 1, g.colonnes() - 1);
    const int droite = std::clamp(p.right(), 1, g.colonnes() - 1);
    const int haut = std::clamp(p.top(), 1, g.lignes() - 1);
    const int bas = std::clamp(p.bottom(), 1, g.lignes() - 1);
    const QModelIndex hg = modele->index(haut - 1, gauche - 1);
    const QModelIndex bd = modele->index(bas - 1, droite - 1);
    ++silence;
    selectionModel()->setCurrentIndex(bd, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(hg, bd), QItemSelectionModel::ClearAndSelect);
    --silence;
}

int GrilleMesures::largeurColonne(int c) const {
    if (c == 0) return verticalHeader()->width();
    return columnWidth(c - 1);
}

void GrilleMesures::setLargeurColonne(int c, int largeur) {
    if (c == 0) {
        verticalHeader()->setFixedWidth(largeur);
        updateGeometries();
    } else if (c < g.colonnes()) {
        setColumnWidth(c - 1, largeur);
    }
}

int GrilleMesures::largeurTexte(const QString& texte) const {
    return QFontMetrics(font()).horizontalAdvance(texte);
}

void GrilleMesures::setT0(int t0) {
    t0_ = t0;
    toutRedessiner();
}

void GrilleMesures::StringGrid1DrawCell(QPainter& p, int c, int r, const QRect& rect,
                                        bool choisie) const {
    const bool fixe = c == 0 || r == 0;
    QColor fond = fixe ? kFondFixe : QColor(Qt::white);
    QColor texte = Qt::black;
    if (choisie && !fixe) {
        fond = palette().color(QPalette::Highlight);
        texte = palette().color(QPalette::HighlightedText);
    }
    if (r >= 1 && r < t0_) {
        if (c > 0)
            texte = kGris;
        else
            fond = kArgent;
    }
    p.fillRect(rect, fond);
    p.setPen(texte);
    p.setFont(font());
    ecrireCellule(p, rect, g.cellule(c, r), r == 0 ? Alignement::Centre : Alignement::Droite,
                  c == 0 ? 4 : 3);
}

QPoint GrilleMesures::celluleSous(const QPoint& pos) const {
    const QModelIndex i = indexAt(pos);
    return i.isValid() ? QPoint(i.column() + 1, i.row() + 1) : QPoint(-1, -1);
}

void GrilleMesures::mousePressEvent(QMouseEvent* e) {
    appui = celluleSous(e->position().toPoint());
    appuiMaj = e->modifiers() & Qt::ShiftModifier;
    QTableView::mousePressEvent(e);
}

void GrilleMesures::mouseReleaseEvent(QMouseEvent* e) {
    QTableView::mouseReleaseEvent(e);
    const QPoint c = celluleSous(e->position().toPoint());
    emit sourisRelachee(c.x(), c.y(), appuiMaj || c != appui);
}

void GrilleMesures::keyReleaseEvent(QKeyEvent* e) {
    QTableView::keyReleaseEvent(e);
    emit toucheRelachee(e->key());
}

bool GrilleMesures::eventFilter(QObject* o, QEvent* e) {
    if (coin && o == coin) {
        switch (e->type()) {
        case QEvent::Paint: {
            QPainter p(coin);
            const QRect r = coin->rect();
            StringGrid1DrawCell(p, 0, 0, r, false);
            p.setPen(kTrait);
            p.drawLine(r.topRight(), r.bottomRight());
            p.drawLine(r.bottomLeft(), r.bottomRight());
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        case QEvent::MouseButtonRelease:
            emit sourisRelachee(0, 0, false);
            return true;
        default:
            return false;
        }
    }
    if (e->type() == QEvent::MouseButtonRelease) {
        auto* h = qobject_cast<QHeaderView*>(o->parent());
        if (h && (h == horizontalHeader() || h == verticalHeader())) {
            const auto* m = static_cast<QMouseEvent*>(e);
            const QPoint pos = m->position().toPoint();
            const int s = h->logicalIndexAt(h->orientation() == Qt::Horizontal ? pos.x() : pos.y());
            if (s < 0)
                emit sourisRelachee(-1, -1, false);
            else if (h->orientation() == Qt::Horizontal)
                emit sourisRelachee(s + 1, 0, false);
            else
                emit sourisRelachee(0, s + 1, false);
        }
    }
    return QTableView::eventFilter(o, e);
}
