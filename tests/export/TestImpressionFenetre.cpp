// The print dialog driven from the window on a real clip, and a real PDF printed through
// Qt's print dialog, rasterised by pdftoppm and measured.

#include "measure/PointageTest.h"

#include "aides/DocumentEssai.h"
#include "aides/ReponseModale.h"
#include "dialogs/FormeDessin.h"
#include "dialogs/TdlgImprimer.h"
#include "export/ControleurImpression.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>

using namespace pointage;

namespace {

// The session's printer as a PDF of A4 pages, so that the page is known.
QPrinter& imprimantePdf(TForm1& f, const QString& fichier = QString()) {
    QPrinter& p = f.impression->imprimante();
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(fichier.isEmpty() ? QDir::temp().filePath("kinopix_essai.pdf") : fichier);
    p.setPageSize(QPageSize(QPageSize::A4));
    p.setPageOrientation(QPageLayout::Portrait);
    return p;
}

// Opens the print dialog with the tool bar button and hands it to `agir`, which closes it.
void imprimer(TForm1& f, std::function<void(TdlgImprimer*)> agir) {
    reponse::Vu vu;
    reponse::dialogue(
        [agir](QWidget* w) {
            auto* d = qobject_cast<TdlgImprimer*>(w);
            ASSERT_NE(d, nullptr);
            agir(d);
            if (d->isVisible()) d->CancelBtn->click();
        },
        &vu);
    f.controle<QToolButton>("bbtnImprimer")->click();
    EXPECT_TRUE(vu.ouvert);
}

void taper(TdlgImprimer* d, const QString& texte) {
    d->edEch->clear();
    QTest::keyClicks(d->edEch, texte);
}

QColor fond(TdlgImprimer* d) {
    return d->edEch->property("couleurFond").value<QColor>();
}

} // namespace

TEST(ImpressionFenetre, ProposedScaleSizesAndPreviews) {
    auto f = avecClip(); // 320 x 240 pixels at 1 m per pixel
    QPrinter& p = imprimantePdf(*f);
    imprimer(*f, [&](TdlgImprimer* d) {
        EXPECT_EQ(d->property("contexteAide").toInt(), 240);
        EXPECT_EQ(d->resolutionX, p.logicalDpiX());
        const long double lF = p.width() * 2.54L / p.logicalDpiX();
        EXPECT_NEAR(double(d->largeurFeuilleCm), double(lF), 1e-9);
        ASSERT_GT(lF, 16); // an A4 page: 320 m need 100 m per cm
        EXPECT_EQ(d->edEch->text(), " 1.00E+2");
        EXPECT_EQ(d->TrackBar1->value(), 100);
        EXPECT_EQ(d->lblImageXm->text(), " 3.20E+2");
        EXPECT_EQ(d->lblImageYm->text(), " 2.40E+2");
        EXPECT_EQ(d->lblImageimprimeeX->text(), " 3.20E+0");
        EXPECT_EQ(d->lblImageImprimeeY->text(), " 2.40E+0");
        EXPECT_EQ(d->shpFeuille->size(),
                  QSize(int(std::lround(p.width() * 90.0 / p.height())), 90));
        EXPECT_FALSE(d->shpDessin->tropGrand());
        EXPECT_EQ(d->shpDessin->pos(), d->shpFeuille->pos());
        EXPECT_EQ(fond(d), QColor(0, 255, 0));
        d->Button2->click(); // "Plus tard..."
    });
    EXPECT_FALSE(f->vue.echelleImpressionARevoir);
    // Next showing: no new proposal; the slider follows what is typed.
    imprimer(*f, [](TdlgImprimer* d) {
        EXPECT_EQ(d->edEch->text(), " 1.00E+2");
        taper(d, "2000"); // 20 x the reference
        EXPECT_EQ(d->TrackBar1->value(), 0);
        taper(d, "5"); // 0.05 x
        EXPECT_EQ(d->TrackBar1->value(), 200);
        taper(d, "20");
        EXPECT_EQ(d->TrackBar1->value(), 170);
        EXPECT_EQ(d->lblImageimprimeeX->text(), " 1.60E+1");
        EXPECT_FALSE(d->shpDessin->tropGrand());
        taper(d, "0,5"); // 640 x 480 cm: too large, drawn past the sheet by 10 pixels
        EXPECT_EQ(d->edEch->text(), "0.5");
        EXPECT_TRUE(d->shpDessin->tropGrand());
        EXPECT_EQ(d->shpDessin->width(), d->shpFeuille->width() + 10);
        d->CancelBtn->click();
    });
    // "Annuler" brought back the scale of the showing.
    EXPECT_EQ(f->dlg.dlgImprimer->edEch->text(), " 1.00E+2");
    // A new distance entry asks for a new proposal.
    etalonner(*f->seance, [&](Etalonnage& c) { c.echelle = 0.001L; });
    f->vue.echelleImpressionARevoir = true;
    imprimer(*f, [](TdlgImprimer* d) {
        EXPECT_EQ(d->edEch->text(), " 1.00E-1"); // 0.32 m on the page
        EXPECT_EQ(d->TrackBar1->value(), 100);
    });
}

TEST(ImpressionFenetre, KeysRedBoxAndEnter) {
    auto f = avecClip();
    imprimantePdf(*f);
    int impressions = 0;
    imprimer(*f, [&](TdlgImprimer* d) {
        d->imprimer = [&](const OptionsImpression&) { return ++impressions, true; };
        taper(d, "0");
        EXPECT_EQ(fond(d), QColor(255, 0, 0));
        EXPECT_FALSE(d->OKBtn->isEnabled());
        taper(d, "1e");
        EXPECT_EQ(d->edEch->text(), "1E");
        EXPECT_EQ(fond(d), QColor(255, 0, 0));
        QTest::keyClicks(d->edEch, "2");
        EXPECT_EQ(fond(d), QColor(0, 255, 0));
        EXPECT_TRUE(d->OKBtn->isEnabled());
        EXPECT_EQ(d->lblImageimprimeeX->text(), " 3.20E+0");
        QTest::keyClicks(d->edEch, "xa ;/");
        EXPECT_EQ(d->edEch->text(), "1E2"); // letters and signs refused
        QTest::keyClick(d->edEch, Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(impressions, 0);
        // Left unreadable by "Plus tard...".
        taper(d, "0");
        d->Button2->click();
    });
    imprimer(*f, [&](TdlgImprimer* d) {
        d->imprimer = [&](const OptionsImpression&) { return ++impressions, true; };
        EXPECT_EQ(d->edEch->text(), "0");
        EXPECT_EQ(fond(d), QColor(255, 0, 0));
        EXPECT_FALSE(d->OKBtn->isEnabled());
        EXPECT_EQ(d->lblImageimprimeeX->text(), " 3.20E+0"); // the previous sizes stay
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        taper(d, "2.5");
        QLocale::setDefault(QLocale::c());
        EXPECT_EQ(d->edEch->text(), "2,5");
        EXPECT_TRUE(d->OKBtn->isEnabled());
        d->OKBtn->click();
    });
    EXPECT_EQ(impressions, 1);
}

TEST(ImpressionFenetre, SliderWritesTheBoxOnlyWithoutItsFocus) {
    auto f = avecClip();
    f->show();
    imprimantePdf(*f);
    imprimer(*f, [](TdlgImprimer* d) {
        d->activateWindow();
        d->edEch->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(d->saisieEchelle);
        d->TrackBar1->setValue(150);
        EXPECT_EQ(d->edEch->text(), " 1.00E+2");
        d->TrackBar1->setFocus();
        QApplication::processEvents();
        EXPECT_FALSE(d->saisieEchelle);
        d->TrackBar1->setValue(160);
        EXPECT_EQ(d->edEch->text(), " 2.51E+1");
        d->TrackBar1->setValue(0);
        EXPECT_EQ(d->edEch->text(), " 1.00E+3");
        d->TrackBar1->setValue(200);
        EXPECT_EQ(d->edEch->text(), " 1.00E+1");
        EXPECT_EQ(d->TrackBar1->value(), 200);
    });
}

TEST(ImpressionFenetre, OptionsStayAndPointsFromTheTimeOrigin) {
    auto f = avecClip();
    imprimantePdf(*f);
    imprimer(*f, [](TdlgImprimer* d) {
        const OptionsImpression o = d->options();
        EXPECT_EQ(o.couleurs, 2);
        EXPECT_TRUE(o.grille);
        EXPECT_FALSE(o.grilleCouleurAxes);
        EXPECT_TRUE(o.depuisT0);
        EXPECT_FALSE(d->rbImpPoints0->isEnabled());
        d->chkImpGrille->click();
        EXPECT_FALSE(d->rbGrilleColor->isEnabled());
        EXPECT_FALSE(d->rbGrilleGris->isEnabled());
        d->chkImpGrille->click();
        d->rbGrilleColor->click();
        EXPECT_FALSE(d->rbGrilleGris->isChecked());
        d->couleurs[1]->click();
        d->Button2->click();
    });
    auto* t0 = f->findChild<HautBas*>("udt0");
    t0->stepBy(3);
    emit t0->relache();
    imprimer(*f, [](TdlgImprimer* d) {
        EXPECT_TRUE(d->rbImpPoints0->isEnabled());
        d->rbImpPoints0->click();
        const OptionsImpression o = d->options();
        EXPECT_EQ(o.couleurs, 1);
        EXPECT_TRUE(o.grilleCouleurAxes);
        EXPECT_FALSE(o.depuisT0);
    });
    EXPECT_EQ(f->impression->sujet().t0, 4);
    // Another clip starts again from t0 = 1: the choice has nothing to leave out.
    f->clip->ouvrirClip(clipstest::clip(QStringLiteral("pointage10.avi"), {"--frames", "10"}));
    imprimer(*f, [](TdlgImprimer* d) {
        EXPECT_FALSE(d->rbImpPoints0->isEnabled());
        EXPECT_FALSE(d->rbImpPoints1->isEnabled());
    });
}

TEST(ImpressionFenetre, PrinterRefusalIsReportedAndTheDialogStays) {
    auto f = avecClip();
    imprimantePdf(*f, QStringLiteral("/dossier/qui/n/existe/pas.pdf"));
    imprimer(*f, [](TdlgImprimer* d) {
        reponse::Vu vu;
        reponse::bouton(QMessageBox::Ok, &vu);
        d->OKBtn->click();
        EXPECT_TRUE(vu.ouvert);
        EXPECT_EQ(vu.titre, "Erreur d'impression");
        EXPECT_EQ(vu.texte, "Impossible d'imprimer : aucune imprimante n'est disponible ou "
                            "l'impression a été refusée.\nChoisissez une imprimante, ou "
                            "l'impression dans un fichier, avec \"Configurer l'imprimante\".");
        EXPECT_TRUE(d->isVisible());
    });
}

TEST(ImpressionFenetre, PdfThroughThePrintDialogIsTrueToScale) {
    auto f = avecClip();
    clic(*f, 100, 100);
    clic(*f, 120, 110);
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString pdf = dossier.filePath("trajectoire.pdf");
    imprimer(*f, [&](TdlgImprimer* d) {
        reponse::Vu vu;
        reponse::dialogue(
            [&](QWidget* w) {
                auto* dialogue = qobject_cast<QPrintDialog*>(w);
                ASSERT_NE(dialogue, nullptr);
                auto* imprimantes = w->findChild<QComboBox*>("printers");
                ASSERT_NE(imprimantes, nullptr);
                for (int i = 0; i < imprimantes->count(); ++i)
                    if (imprimantes->itemText(i).contains("PDF")) imprimantes->setCurrentIndex(i);
                auto* fichier = w->findChild<QLineEdit*>("filename");
                ASSERT_NE(fichier, nullptr);
                fichier->setText(pdf);
                dialogue->accept();
            },
            &vu);
        d->Button1->click();
        EXPECT_TRUE(vu.ouvert);
        EXPECT_EQ(vu.titre, "Imprimer"); // Qt's dialog, in French
        taper(d, "20");                  // 320 x 240 m at 20 m per cm: 16 x 12 cm
        d->OKBtn->click();
        EXPECT_FALSE(d->isVisible());
    });
    ASSERT_TRUE(QFileInfo::exists(pdf));

    const QString base = dossier.filePath("page");
    ASSERT_EQ(QProcess::execute("pdftoppm", {"-r", "150", "-gray", "-singlefile", pdf, base}), 0);
    QImage page(base + ".pgm");
    ASSERT_FALSE(page.isNull());
    page = page.convertToFormat(QImage::Format_Grayscale8);
    // Rows and columns crossed by a grid line: a long run of ink on the page. Neighbouring
    // rows of one line (anti-aliasing) are merged into their ink-weighted centre.
    auto centres = [&](bool lignes) {
        const int n = lignes ? page.height() : page.width();
        const int l = lignes ? page.width() : page.height();
        std::vector<double> encre(size_t(n), 0);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < l; ++j) {
                const int v = lignes ? qGray(page.pixel(j, i)) : qGray(page.pixel(i, j));
                if (v < 250) encre[size_t(i)] += 255 - v;
            }
        const double seuil = 255.0 * 0.1 * (lignes ? 16 : 12) * 150 / 2.54; // a tenth of a line
        std::vector<double> c;
        for (int i = 0; i < n;) {
            if (encre[size_t(i)] < seuil) {
                ++i;
                continue;
            }
            double s = 0, m = 0;
            for (; i < n && encre[size_t(i)] >= seuil; ++i)
                s += encre[size_t(i)], m += i * encre[size_t(i)];
            c.push_back(m / s);
        }
        return c;
    };
    const double cm = 150 / 2.54;
    for (bool lignes : {true, false}) {
        const std::vector<double> c = centres(lignes);
        ASSERT_EQ(c.size(), lignes ? 12u : 17u); // origin on the bottom row
        for (size_t i = 1; i < c.size(); ++i)
            EXPECT_NEAR(c[i] - c[i - 1], cm, 1.0) << lignes << " " << i;
        EXPECT_NEAR(c.back() - c.front(), (c.size() - 1) * cm, 1.0) << lignes;
    }
}
