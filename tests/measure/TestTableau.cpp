#include "SessionTableau.h"

#include "aides/DocumentEssai.h"
#include "aides/EnregistreurDessin.h"
#include "aides/ReponseModale.h"
#include "measure/CalculTableau.h"
#include "measure/Nbreels.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList ligne0(const GrilleTexte& g) {
    QStringList l;
    for (int c = 0; c < g.colonnes(); ++c)
        l << g.cellule(c, 0);
    return l;
}

TEST(Tableau, AvantLePremierClipToutEstInactif) {
    auto f = demarrer();
    for (const char* nom : {"udPointsPlan", "udt0", "udFmt_t", "udFmt_xy", "Button0", "Button1",
                            "Button2", "StringGrid1"}) {
        QWidget* w = f->findChild<QWidget*>(nom);
        ASSERT_NE(w, nullptr) << nom;
        EXPECT_FALSE(w->isEnabled()) << nom;
    }
    EXPECT_FALSE(f->tableau->tableauOccupe());
    f->tableau->ActualGrid(); // no clip: nothing to do, nothing breaks
}

TEST(Tableau, OuvertureDUnClip) {
    SessionTableau s(26);
    EXPECT_EQ(s.g0.colonnes(), 3);
    EXPECT_EQ(s.g0.lignes(), 27);
    EXPECT_EQ(s.g1.lignes(), 27);
    EXPECT_EQ(ligne0(s.g0), QStringList({"t", "x", "y"}));
    EXPECT_EQ(ligne0(s.g1.cellules()), QStringList({"t(s)", "x(m)", "y(m)"}));
    const QString sep = QLocale().decimalPoint();
    EXPECT_EQ(s.g1.cellule(0, 1), "0" + sep + "000");
    EXPECT_EQ(s.g1.cellule(0, 2), "0" + sep + "040");
    EXPECT_EQ(s.g1.cellule(0, 26), "1" + sep + "000");
    EXPECT_EQ(s.f->seance->decimalesT(), 3);
    EXPECT_EQ(s.g1.colonne(), 1);
    EXPECT_EQ(s.g1.ligne(), 1);
    EXPECT_EQ(s.g1.largeurColonne(1), s.g1.largeurTexte(formatReel(3, 0)));
    EXPECT_EQ(s.g1.largeurColonne(0), s.g1.largeurTexte("1" + sep + "0400"));
    for (const char* nom : {"udPointsPlan", "udt0", "udFmt_t", "udFmt_xy", "Button0", "Button1",
                            "Button2", "StringGrid1"})
        EXPECT_TRUE(s.f->findChild<QWidget*>(nom)->isEnabled()) << nom;
    EXPECT_EQ(s.ud("udt0")->maximum(), 26);
    EXPECT_EQ(s.f->findChild<QLabel*>("lblt0")->text(), "1");
    EXPECT_EQ(s.f->findChild<QLabel*>("lblPointsPlan")->text(), "1");
    EXPECT_FALSE(s.t.tableauOccupe());
    s.t.ecrirePoint(1, 3, 20, 30);
    EXPECT_TRUE(s.t.tableauOccupe());
}

TEST(Tableau, EntetesPourUnDeuxEtNeufPoints) {
    SessionTableau s;
    QWidget* autoH = s.f->findChild<QWidget*>("chkBoxAutoH");
    QWidget* numero = s.f->findChild<QWidget*>("udPointNumero");
    ASSERT_TRUE(autoH && numero && s.f->action("mnuAutoH"));
    EXPECT_FALSE(autoH->isEnabled());
    EXPECT_FALSE(numero->isEnabled());
    s.points(2);
    EXPECT_TRUE(autoH->isEnabled());
    EXPECT_TRUE(s.f->action("mnuAutoH")->isEnabled());
    EXPECT_TRUE(numero->isEnabled());
    EXPECT_EQ(numero->property("maximum").toInt(), 2);
    EXPECT_EQ(ligne0(s.g1.cellules()), QStringList({"t(s)", "x1(m)", "y1(m)", "x2(m)", "y2(m)"}));
    EXPECT_EQ(ligne0(s.g0), QStringList({"t", "x1", "y1", "x2", "y2"}));
    s.points(9);
    EXPECT_EQ(s.g1.colonnes(), 19);
    EXPECT_EQ(s.g1.cellule(17, 0), "x9(m)");
    EXPECT_EQ(s.g0.cellule(18, 0), "y9");
    EXPECT_EQ(s.g1.largeurColonne(17), s.g1.largeurColonne(1));
    EXPECT_EQ(s.g1.colonne(), 17); // x column of the last point
    EXPECT_EQ(s.g0.colonne(), 17);
    QAction* rapide = s.f->action("mnuFdSb4points");
    ASSERT_NE(rapide, nullptr);
    rapide->setChecked(true);
    s.points(1);
    EXPECT_FALSE(rapide->isChecked());
    EXPECT_EQ(ligne0(s.g1.cellules()), QStringList({"t(s)", "x(m)", "y(m)"}));
    EXPECT_EQ(s.f->findChild<QLabel*>("lblPointsPlan")->text(), "1");
    EXPECT_FALSE(autoH->isEnabled());
    EXPECT_FALSE(s.f->action("mnuAutoH")->isEnabled());
    EXPECT_FALSE(numero->isEnabled());
    // The appearance table grew with defaults for the new points and kept its columns.
    EXPECT_EQ(s.f->vue.aspectPoints.cellule(9, 0), "16777215");
    EXPECT_EQ(s.f->vue.aspectPoints.cellule(9, 1), "1");
    EXPECT_EQ(s.f->vue.aspectPoints.cellule(9, 2), "0");
}

TEST(Tableau, NombreDePointsBaisseEtRemonte) {
    SessionTableau s;
    s.points(3);
    s.remplir(3);
    s.f->vue.aspectPoints.setCellule(3, 0, "255");
    const QString x3 = s.g1.cellule(5, 4), y3 = s.g1.cellule(6, 4);
    s.points(2);
    EXPECT_EQ(s.g1.colonnes(), 5);
    EXPECT_FALSE(s.t.tableauOccupe()); // point 3 is hidden
    s.points(3);
    EXPECT_EQ(s.g1.cellule(5, 4), x3);
    EXPECT_EQ(s.g1.cellule(6, 4), y3);
    EXPECT_EQ(s.g0.cellule(5, 4), "34");
    EXPECT_EQ(s.f->vue.aspectPoints.cellule(3, 0), "255");
    // A new clip starts from an empty table: hidden points do not come back.
    s.points(1);
    s.t.initTableau(10);
    s.points(3);
    EXPECT_TRUE(s.g0.cellule(5, 4).isEmpty());
    EXPECT_TRUE(s.g1.cellule(5, 4).isEmpty());
}

TEST(Tableau, NeufPointsSurUnClipDUneImage) {
    SessionTableau s(1);
    s.points(9);
    s.remplir(9);
    EXPECT_EQ(s.g1.colonne(), 17);
    EXPECT_EQ(s.g1.ligne(), 1);
    EXPECT_EQ(s.g0.cellule(17, 1), "91");
    s.regler("udt0", 5); // stays at its bound
    EXPECT_EQ(s.t.t0(), 1);
    s.regler("udPointsPlan", 12);
    EXPECT_EQ(s.t.nbPoints(), 9);
    s.regler("udFmt_xy", 9);
    EXPECT_EQ(s.f->seance->chiffresXY(), 5);
}

TEST(Tableau, OrigineDesDatesEnCinq) {
    SessionTableau s;
    s.remplir(1);
    HautBas* u = s.ud("udt0");
    u->stepBy(4);
    EXPECT_EQ(s.f->findChild<QLabel*>("lblt0")->text(), "5");
    EXPECT_EQ(s.g1.cellule(0, 1), QString("0") + QLocale().decimalPoint() + "000"); // not yet
    emit u->relache();
    for (int r = 1; r <= 4; ++r)
        EXPECT_TRUE(s.g1.cellule(0, r).isEmpty()) << r;
    const QString sep = QLocale().decimalPoint();
    EXPECT_EQ(s.g1.cellule(0, 5), "0" + sep + "000");
    EXPECT_EQ(s.g1.cellule(0, 6), "0" + sep + "040");
    // Metres keep their cells; ActualGrid leaves the rows before t0 empty.
    s.t.ActualGrid();
    EXPECT_TRUE(s.g1.cellule(0, 4).isEmpty());
    EXPECT_FALSE(s.g1.cellule(1, 4).isEmpty());

    // Drawing: silver t cells and grey data texts before t0, white after. The colours are
    // read from what the cell asks the painter for, not from rendered glyphs.
    auto dessiner = [&](int c, int r) {
        auto d = std::make_unique<EnregistreurDessin>(QSize(60, 22));
        QPainter p(d.get());
        s.g1.StringGrid1DrawCell(p, c, r, QRect(0, 0, 60, 22), false);
        return d;
    };
    auto fond = [&](int c, int r) {
        const auto d = dessiner(c, r);
        return d->aplats.empty() ? QColor() : d->aplats.front().couleur;
    };
    auto texte = [&](int c, int r) {
        const auto d = dessiner(c, r);
        EXPECT_EQ(d->textes.size(), 1u) << c << "," << r;
        return d->textes.empty() ? QColor() : d->textes.front().couleur;
    };
    EXPECT_EQ(fond(0, 4), QColor(192, 192, 192));
    EXPECT_EQ(texte(0, 5), QColor(Qt::black));
    EXPECT_EQ(fond(0, 5), QColor(255, 255, 225));
    EXPECT_EQ(fond(1, 0), QColor(255, 255, 225));
    EXPECT_EQ(texte(1, 0), QColor(Qt::black));
    EXPECT_EQ(fond(1, 4), QColor(Qt::white));
    EXPECT_EQ(texte(1, 4), QColor(128, 128, 128));
    EXPECT_EQ(dessiner(1, 4)->textes.front().texte, s.g1.cellule(1, 4));
    EXPECT_EQ(fond(1, 5), QColor(Qt::white));
    EXPECT_EQ(texte(1, 5), QColor(Qt::black));
}

// A clip is timed by its own clock as soon as one image lies more than a quarter of a
// period away from its place on an even clock; the t of a row is then its own time minus
// that of the time origin.
TEST(Tableau, DatesPropresDesImagesIrregulieres) {
    const std::vector<long double> reguliers{0, 0.04L, 0.08L, 0.12L};
    EXPECT_FALSE(calcul::espacementInegal(reguliers, 0.04L));
    EXPECT_FALSE(calcul::espacementInegal({0, 0.0499L, 0.08L}, 0.04L)); // within a quarter
    EXPECT_TRUE(calcul::espacementInegal({0, 0.0501L, 0.08L}, 0.04L));
    EXPECT_TRUE(calcul::espacementInegal({0, 0.04L, 0.08L, 0.32L}, 0.04L)); // a gap
    EXPECT_FALSE(calcul::espacementInegal({}, 0.04L));
    EXPECT_FALSE(calcul::espacementInegal({0, 1}, 0)); // no period: nothing to compare

    SessionTableau s(4);
    const QString sep = QLocale().decimalPoint();
    faitsClip(*s.f->seance, [&](FaitsClip& c) { c.dates = {0, 0.046L, 0.2L, 0.3131L}; });
    EXPECT_EQ(double(calcul::dateImage(*s.f->seance, 4, 2)), double(0.3131L - 0.046L));
    EXPECT_EQ(calcul::texteT(*s.f->seance, 3, 1, 3, sep.front()), "0" + sep + "200");
    // Rows outside the known times fall back on the period.
    EXPECT_EQ(double(calcul::dateImage(*s.f->seance, 6, 1)), double(5 * 0.04L));
    s.regler("udt0", 2);
    emit s.ud("udt0")->relache();
    EXPECT_TRUE(s.g1.cellule(0, 1).isEmpty());
    EXPECT_EQ(s.g1.cellule(0, 2), "0" + sep + "000");
    EXPECT_EQ(s.g1.cellule(0, 3), "0" + sep + "154");
    EXPECT_EQ(s.g1.cellule(0, 4), "0" + sep + "267");
}

TEST(Tableau, AccelerationDeLOrigineDesDates) {
    SessionTableau s(100);
    HautBas* u = s.ud("udt0");
    auto* timer = s.f->findChild<QTimer*>("Timer2");
    ASSERT_NE(timer, nullptr);
    emit u->enfonce();
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 500);
    std::vector<int> pas;
    for (int i = 0; i < 9; ++i) {
        s.t.Timer2Timer();
        pas.push_back(u->singleStep());
    }
    EXPECT_EQ(pas, (std::vector<int>{2, 4, 8, 16, 32, 64, 128, 128, 128}));
    u->stepBy(1);
    EXPECT_EQ(s.t.t0(), 100);
    emit u->relache();
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(u->singleStep(), 1);
    EXPECT_TRUE(s.g1.cellule(0, 99).isEmpty());
    EXPECT_FALSE(s.g1.cellule(0, 100).isEmpty());

    // The same with the mouse held on the arrows.
    u->setValue(2);
    QTest::mousePress(u, Qt::LeftButton, {}, QPoint(u->width() - 4, 3));
    EXPECT_TRUE(timer->isActive());
    QTest::mouseRelease(u, Qt::LeftButton, {}, QPoint(u->width() - 4, 3));
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(s.g1.cellule(0, s.t.t0()), QString("0") + QLocale().decimalPoint() + "000");
    EXPECT_TRUE(s.g1.cellule(0, s.t.t0() - 1).isEmpty());

    // And with the arrow keys: each release completes the change.
    u->setValue(1);
    QTest::keyClick(u, Qt::Key_Up);
    EXPECT_EQ(s.t.t0(), 2);
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(s.g1.cellule(0, 1).isEmpty());
    EXPECT_EQ(s.g1.cellule(0, 2), QString("0") + QLocale().decimalPoint() + "000");

    // A new clip with fewer images brings the origin back to its first image.
    faitsClip(*s.f->seance, [&](FaitsClip& c) { c.nbImages = 3; });
    s.t.initTableau(3);
    EXPECT_EQ(s.t.t0(), 1);
    EXPECT_EQ(u->maximum(), 3);
    EXPECT_EQ(s.g1.t0(), 1);
    EXPECT_FALSE(s.g1.cellule(0, 1).isEmpty());
}

TEST(Tableau, DecimalesDeT) {
    SessionTableau s(5, 1.0L);
    s.regler("udFmt_t", 0);
    EXPECT_EQ(s.f->seance->decimalesT(), 0);
    EXPECT_EQ(s.g1.cellule(0, 1), "0");
    EXPECT_EQ(s.g1.cellule(0, 2), "1");
    EXPECT_EQ(s.g1.largeurColonne(0), s.g1.largeurTexte("40"));
    s.regler("udFmt_t", 6);
    EXPECT_EQ(s.f->seance->decimalesT(), 6);
    const QString sep = QLocale().decimalPoint();
    EXPECT_EQ(s.g1.cellule(0, 1), "0" + sep + "000000");
    EXPECT_EQ(s.g1.largeurColonne(0), s.g1.largeurTexte("4" + sep + "0000000"));
    // A new clip goes back to three decimals, spinner included.
    s.t.initTableau(5);
    EXPECT_EQ(s.ud("udFmt_t")->value(), 3);
    EXPECT_EQ(s.g1.cellule(0, 2), "1" + sep + "000");
}

TEST(Tableau, ChiffresDeXY) {
    SessionTableau s;
    s.t.ecrirePoint(1, 1, 12, 99);
    // One click each time: the distance box is rewritten with the new digits, the
    // calibration re-derives the scale from it, and the table follows that scale.
    const QString sep = QLocale().decimalPoint();
    HautBas* u = s.ud("udFmt_xy");
    u->setValue(1);
    etalonner(*s.f->seance, [&](Etalonnage& c) {
        c.p1 = QPoint(0, 0);
        c.p2 = QPoint(100, 0);
        c.distanceTexte = "0" + sep + "1";
        c.echelle = 0.001L; // x = 12 px = 0.012 m
    });
    u->stepBy(-1);
    EXPECT_EQ(s.f->seance->chiffresXY(), 1);
    EXPECT_EQ(s.g1.cellule(1, 1), " 1E-2");
    EXPECT_EQ(s.g1.cellule(2, 1), " 0E+0");
    EXPECT_EQ(s.g1.largeurColonne(1), s.g1.largeurTexte(formatReel(1, 0)));
    auto* edSi = s.f->findChild<QLineEdit*>("edSi");
    ASSERT_NE(edSi, nullptr);
    EXPECT_EQ(edSi->text(), " 1E-1");
    u->setValue(3);
    u->stepBy(1);
    EXPECT_EQ(edSi->text(), " 1" + sep + "0000E-1");
    EXPECT_EQ(s.g1.cellule(1, 1), " 1" + sep + "2000E-2");
    EXPECT_EQ(s.g1.largeurColonne(2), s.g1.largeurTexte(" 0" + sep + "00000E+0"));
    // A distance rounded by fewer digits gives another scale, and other metres.
    etalonner(*s.f->seance, [&](Etalonnage& c) { c.distanceTexte = "0" + sep + "16"; });
    u->setValue(1);
    u->stepBy(-1);
    EXPECT_EQ(edSi->text(), " 2E-1");
    EXPECT_EQ(double(s.f->seance->etalonnage().echelle), double(0.2L / 100));
    EXPECT_EQ(s.g1.cellule(1, 1), " 2E-2");
}

TEST(Tableau, ActualGridRecalculeLesMetresSansToucherAuxPixels) {
    SessionTableau s(20);
    s.points(2);
    s.remplir(1);
    s.remplir(2);
    const auto pixels = [&] {
        QStringList l;
        for (int c = 0; c < 5; ++c)
            for (int r = 0; r <= 20; ++r)
                l << s.g0.cellule(c, r);
        return l;
    }();
    etalonner(*s.f->seance, [&](Etalonnage& c) {
        c.xOrig = 100;
        c.yOrig = 40;
        c.sensX = -1;
        c.sensY = -1;
        c.echelle = 0.5L;
    });
    s.t.ActualGrid();
    for (int k = 1; k <= 2; ++k)
        for (int r = 1; r <= 20; ++r) {
            const int px = 10 * k + r, py = 50 - r;
            EXPECT_EQ(s.g1.cellule(2 * k - 1, r), formatReel(2, -(px - 100) * 0.5L)) << k << r;
            EXPECT_EQ(s.g1.cellule(2 * k, r), formatReel(2, -(40 - py) * 0.5L)) << k << r;
        }
    EXPECT_EQ(s.g1.cellule(1, 1), " 4.45E+1"); // (11 - 100) * -0.5
    QStringList apres;
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r <= 20; ++r)
            apres << s.g0.cellule(c, r);
    EXPECT_EQ(apres, pixels);
}

TEST(Tableau, CelluleDePixelsIllisible) {
    SessionTableau s;
    s.t.ecrirePoint(1, 2, 5, 5);
    const QString avant = s.g1.cellule(1, 2);
    s.g0.setCellule(1, 2, "abc");
    s.g0.setCellule(1, 3, "7"); // y missing
    etalonner(*s.f->seance, [&](Etalonnage& c) { c.echelle = 2; });
    s.t.ActualGrid();
    EXPECT_EQ(s.g1.cellule(1, 2), avant);
    EXPECT_TRUE(s.g1.cellule(1, 3).isEmpty());
}

TEST(Tableau, ChangementDeCelluleCourante) {
    SessionTableau s;
    s.points(3);
    QSignalSpy spy(&s.g1, &GrilleMesures::celluleCourante);
    s.g1.setLigne(4);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(s.g0.ligne(), 4);
    EXPECT_EQ(s.g0.colonne(), 5);
    s.g1.setLigne(4); // same row: nothing runs
    s.g1.setColonne(5);
    EXPECT_EQ(spy.count(), 1);
    s.g1.setSelection(plage(1, 2, 2, 3)); // moves the current cell silently
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(s.g1.colonne(), 2);
    EXPECT_EQ(s.g1.ligne(), 3);
    s.g1.setColonne(2);
    EXPECT_EQ(spy.count(), 1);
    // Arrow keys move it like the program does.
    s.g1.setFocus();
    QTest::keyClick(&s.g1, Qt::Key_Down);
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(s.g0.ligne(), 4);
    EXPECT_EQ(s.g0.colonne(), 2);
}

TEST(Tableau, SelectionALaSouris) {
    SessionTableau s(6);
    s.points(3);
    s.t.StringGrid1MouseUp(4, 2, false);
    EXPECT_EQ(s.g1.selection(), plage(4, 2, 4, 2));
    s.t.StringGrid1MouseUp(0, 3, false);
    EXPECT_EQ(s.g1.selection(), plage(1, 3, 6, 3));
    s.t.StringGrid1MouseUp(4, 0, false);
    EXPECT_EQ(s.g1.selection(), plage(3, 1, 4, 6));
    s.t.StringGrid1MouseUp(0, 0, false);
    EXPECT_EQ(s.g1.selection(), plage(1, 1, 6, 6));
    s.t.StringGrid1MouseUp(-1, -1, false);
    EXPECT_EQ(s.g1.selection(), plage(1, 1, 6, 6));

    // The same through the widget: a click on a header, on a t cell, on the corner.
    s.g1.resize(400, 300);
    s.g1.show();
    QHeaderView* haut = s.g1.horizontalHeader();
    QTest::mouseClick(haut->viewport(), Qt::LeftButton, {},
                      QPoint(haut->sectionViewportPosition(4) + 5, 5));
    EXPECT_EQ(s.g1.selection(), plage(5, 1, 6, 6));
    QHeaderView* gauche = s.g1.verticalHeader();
    QTest::mouseClick(gauche->viewport(), Qt::LeftButton, {},
                      QPoint(5, gauche->sectionViewportPosition(1) + 5));
    EXPECT_EQ(s.g1.selection(), plage(1, 2, 6, 2));
    const QRect cellule = s.g1.visualRect(s.g1.model()->index(2, 1));
    QTest::mouseClick(s.g1.viewport(), Qt::LeftButton, {}, cellule.center());
    EXPECT_EQ(s.g1.selection(), plage(2, 3, 2, 3));
    EXPECT_EQ(s.g0.colonne(), 2);
    EXPECT_EQ(s.g0.ligne(), 3);
}

} // namespace
