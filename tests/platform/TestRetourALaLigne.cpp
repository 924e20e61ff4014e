#include "platform/RetourALaLigne.h"
#include "platform/DefilementVertical.h"
#include "platform/DispositionFluide.h"

#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <functional>

namespace {

QWidget* bloc(QWidget* parent, int l, int h) {
    auto* w = new QWidget(parent);
    w->setFixedSize(l, h);
    return w;
}

// The blocks' rectangles after laying the panel out at this width and the height it asks.
std::vector<QRect> disposer(QWidget& panneau, const std::vector<QWidget*>& blocs, int largeur) {
    panneau.layout()->setGeometry(QRect(0, 0, largeur, panneau.layout()->heightForWidth(largeur)));
    std::vector<QRect> r;
    for (QWidget* b : blocs)
        r.push_back(b->geometry());
    return r;
}

// A wrapping button laid out at a width and the height it asks for: its text, broken
// between words, fits in the room the style leaves for it.
void texteLogeA(QAbstractButton* b, std::function<QRect()> rectangleTexte, int largeur) {
    SCOPED_TRACE(largeur);
    b->resize(largeur, b->heightForWidth(largeur));
    const QRect zone = rectangleTexte();
    const QRect ecrit = b->fontMetrics().boundingRect(
        zone, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic, b->text());
    EXPECT_TRUE(zone.contains(ecrit)) << ecrit.width() << "x" << ecrit.height() << " in "
                                      << zone.width() << "x" << zone.height();
}

void verifierRetour(QAbstractButton* b, std::function<QRect()> rectangleTexte) {
    const QSize ligne = b->sizeHint();
    const QSize minimum = b->minimumSizeHint();
    // Wide enough, one line as the plain button; narrower, more lines and never a word cut.
    EXPECT_EQ(b->heightForWidth(ligne.width()), ligne.height());
    EXPECT_LT(minimum.width(), ligne.width());
    EXPECT_GT(b->heightForWidth(minimum.width()), ligne.height());
    for (int l = minimum.width(); l <= ligne.width(); l += 7)
        texteLogeA(b, rectangleTexte, l);
    texteLogeA(b, rectangleTexte, ligne.width());
}

} // namespace

TEST(RetourALaLigne, FlowStartsNewLinesWhenTheWidthRunsOut) {
    QWidget panneau;
    auto* d = new DispositionFluide(&panneau, 6, 4);
    const std::vector<QWidget*> blocs = {bloc(&panneau, 50, 20), bloc(&panneau, 50, 30),
                                         bloc(&panneau, 80, 20), bloc(&panneau, 50, 20)};
    for (QWidget* b : blocs)
        d->addWidget(b);

    // Room for all: one line, each block centred on the tallest.
    EXPECT_EQ(d->heightForWidth(300), 30);
    auto r = disposer(panneau, blocs, 300);
    EXPECT_EQ(r[0], QRect(0, 5, 50, 20));
    EXPECT_EQ(r[1], QRect(56, 0, 50, 30));
    EXPECT_EQ(r[3].x(), 56 + 50 + 6 + 80 + 6);

    // 106 pixels hold the first two exactly; the others go onto lines of their own.
    EXPECT_EQ(d->heightForWidth(106), 30 + 4 + 20 + 4 + 20);
    r = disposer(panneau, blocs, 106);
    EXPECT_EQ(r[1].topLeft(), QPoint(56, 0));
    EXPECT_EQ(r[2].topLeft(), QPoint(0, 34));
    EXPECT_EQ(r[3].topLeft(), QPoint(0, 58));
    EXPECT_EQ(r[3].bottom() + 1, d->heightForWidth(106));
    // One pixel less and the second block no longer fits beside the first.
    EXPECT_EQ(disposer(panneau, blocs, 105)[1].topLeft(), QPoint(0, 24));

    // A hidden block takes no room; the widest block is the least width.
    blocs[1]->hide();
    EXPECT_EQ(disposer(panneau, blocs, 300)[2].x(), 56);
    EXPECT_EQ(d->heightForWidth(300), 20);
    EXPECT_EQ(d->minimumSize().width(), 80);
    blocs[2]->hide();
    EXPECT_EQ(d->minimumSize().width(), 50);
}

TEST(RetourALaLigne, ButtonsBreakTheirTextBetweenWordsAndStayWhole) {
    const QString texte = QStringLiteral("Couleur du segment p1p2");
    RadioRetour r(texte);
    BoutonRetour b(texte);
    {
        SCOPED_TRACE("radio button");
        verifierRetour(&r, [&] { return r.rectangleTexte(); });
    }
    {
        SCOPED_TRACE("push button");
        verifierRetour(&b, [&] { return b.rectangleTexte(); });
    }
    // A wrapped label asks for its text on one line, and breaks it between words when
    // narrower.
    EtiquetteRetour l(texte);
    EXPECT_EQ(l.heightForWidth(l.sizeHint().width()), l.sizeHint().height());
    EXPECT_GT(l.heightForWidth(l.minimumSizeHint().width()), l.sizeHint().height());

    // The longest word still fits its line at the least width.
    const int mot = r.fontMetrics().horizontalAdvance(QStringLiteral("segment"));
    r.resize(r.minimumSizeHint().width(), r.heightForWidth(r.minimumSizeHint().width()));
    EXPECT_GE(r.rectangleTexte().width(), mot);

    // A click on the last line of a wrapped caption checks the radio button, as a click on
    // a one-line caption does.
    QWidget fenetre;
    auto* pile = new QVBoxLayout(&fenetre);
    auto* radio = new RadioRetour(texte, &fenetre);
    pile->addWidget(radio);
    fenetre.resize(radio->minimumSizeHint().width() + 20, 200);
    fenetre.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenetre));
    ASSERT_GT(radio->height(), radio->sizeHint().height());
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(radio->width() - 3, radio->height() - 3));
    EXPECT_TRUE(radio->isChecked());
}

TEST(RetourALaLigne, PageScrollsDownWhenTooShortForItsWrappedControls) {
    QWidget page;
    QScrollArea* zone = nullptr;
    QWidget* contenu = defilementVertical(&page, &zone);
    auto* pile = new QVBoxLayout(contenu);
    std::vector<QLabel*> lignes;
    for (int i = 0; i < 12; ++i) {
        auto* l = new QLabel(QStringLiteral("Une phrase assez longue pour tenir sur deux lignes"),
                             contenu);
        l->setWordWrap(true);
        pile->addWidget(l);
        lignes.push_back(l);
    }
    page.resize(160, 150);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    QTest::qWait(20);

    // The controls get the width beside the scroll bar and the height they need there.
    ASSERT_TRUE(zone->verticalScrollBar()->isVisible());
    EXPECT_FALSE(zone->horizontalScrollBar()->isVisible());
    EXPECT_EQ(contenu->width(), zone->viewport()->width());
    EXPECT_EQ(contenu->height(), contenu->heightForWidth(contenu->width()));
    EXPECT_GE(lignes.back()->geometry().bottom(), zone->viewport()->height());
    // Scrolled to the end, the last line shows whole.
    zone->verticalScrollBar()->setValue(zone->verticalScrollBar()->maximum());
    const QRect vu(lignes.back()->mapTo(zone->viewport(), QPoint(0, 0)),
                   lignes.back()->size());
    EXPECT_TRUE(zone->viewport()->rect().contains(vu));

    // Tall enough, no scroll bar and the controls fill the page.
    page.resize(600, 900);
    QTest::qWait(20);
    EXPECT_FALSE(zone->verticalScrollBar()->isVisible());
    EXPECT_EQ(contenu->size(), zone->viewport()->size());
}
