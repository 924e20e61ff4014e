// Saved sessions through the window, on a real clip: saved, reopened in another window,
// with the clip moved, damaged files, and the quit question.

#include "app/Arguments.h"
#include "app/DossierTest.h"
#include "app/Recuperation.h"
#include "export/ControleurSeance.h"
#include "export/FenetreExport.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "measure/HautBas.h"
#include "model/Seance.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

using namespace fenetreExport;

namespace {

// Presses "Rechercher le clip..." in the box of a clip not found, then hands the dialog
// that follows to `ensuite`.
void rechercher(QWidget* boite, std::function<void(QWidget*)> ensuite) {
    for (QAbstractButton* b : qobject_cast<QMessageBox*>(boite)->buttons())
        if (b->text() == "Rechercher le clip...") b->click();
    reponse::dialogue(std::move(ensuite));
}

// Presses a standard button of a message box, then hands what follows to `ensuite`.
void presser(QWidget* boite, QMessageBox::StandardButton b, std::function<void(QWidget*)> ensuite) {
    qobject_cast<QMessageBox*>(boite)->button(b)->click();
    reponse::dialogue(std::move(ensuite));
}

// Everything the user reads of the measures: the visible table and the calibration tab.
QStringList lu(const TForm1& f) {
    QStringList l;
    const GrilleMesures& g = f.tableau->grille1();
    for (int r = 0; r < g.lignes(); ++r)
        for (int c = 0; c < g.colonnes(); ++c)
            l << g.cellule(c, r);
    for (const char* nom : {"lblP1X", "lblP1Y", "lblP2X", "lblP2Y", "lblSHori"})
        l << f.findChild<QLabel*>(nom)->text();
    l << f.findChild<QLineEdit*>("edSi")->text();
    return l;
}

struct SeanceFenetre : DossierTest {
    std::unique_ptr<TForm1> f;
    void SetUp() override {
        DossierTest::SetUp();
        f = clipMesure();
        // A second point, a time origin and a scale typed with more digits than shown.
        f->findChild<HautBas*>("udPointsPlan")->setValue(2);
        f->tableau->udPointsPlanClick();
        f->tableau->ecrirePoint(2, 2, 33, 44);
        QTest::keyClick(f->findChild<HautBas*>("udt0"), Qt::Key_Up);
        QTest::qWait(20);
    }
    // Saves through "Enregistrer la séance", typing `nom` in the dialog.
    void enregistrer(TForm1& w, const QString& nom) {
        reponse::dialogue([&](QWidget* d) { taper(d, nom); });
        w.action("mnuEnregistrerSeance")->trigger();
    }
    std::unique_ptr<TForm1> ouvrirAilleurs(const QString& session) {
        auto g = demarrer();
        g->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(g.get()));
        EXPECT_TRUE(g->seances->ouvrirSeance(session));
        QTest::qWait(20);
        return g;
    }
};

} // namespace

TEST_F(SeanceFenetre, ReopenedInAnotherWindowEverythingReadsTheSame) {
    EXPECT_TRUE(f->seances->mesuresHorsSeance());
    enregistrer(*f, chemin("m.kinopix"));
    ASSERT_TRUE(QFile::exists(chemin("m.kinopix")));
    EXPECT_FALSE(f->seances->mesuresHorsSeance());
    EXPECT_EQ(f->seances->cheminSeance(), chemin("m.kinopix"));

    auto g = ouvrirAilleurs(chemin("m.kinopix"));
    EXPECT_EQ(lu(*g), lu(*f));
    EXPECT_TRUE(g->seance->memeMesure(*f->seance));
    EXPECT_EQ(g->vue.noImage, f->vue.noImage);
    EXPECT_EQ(g->tableau->nbPoints(), 2);
    EXPECT_EQ(g->tableau->t0(), 2);
    EXPECT_EQ(g->seance->pile().count(), 0);
    EXPECT_FALSE(g->seances->mesuresHorsSeance());
    // Saving again writes the same file without asking its name.
    g->tableau->ecrirePoint(1, 5, 60, 60);
    EXPECT_TRUE(g->seances->mesuresHorsSeance());
    g->action("mnuEnregistrerSeance")->trigger();
    EXPECT_FALSE(g->seances->mesuresHorsSeance());
    EXPECT_EQ(g->findChild<QMenu*>("mnuSeancesRecentes")->actions().value(0)->statusTip(),
              chemin("m.kinopix"));
    EXPECT_FALSE(g->tableau->mesuresNonEnregistrees());

    // Measures not saved are not dropped for a session without the question.
    g->tableau->ecrirePoint(1, 3, 70, 70);
    const QStringList avant = lu(*g);
    reponse::Vu vu;
    boite(QMessageBox::No, &vu);
    EXPECT_FALSE(g->seances->ouvrirSeance(chemin("m.kinopix")));
    EXPECT_EQ(vu.texte, QString::fromUtf8("Les mesures du clip actuel n'ont pas été "
                                          "enregistrées.\n\nVoulez-vous les abandonner ?"));
    EXPECT_EQ(lu(*g), avant);
}

TEST_F(SeanceFenetre, AFailedSaveSaysWhereAndWhyAndCountsForNothing) {
    ecrire("classe", "un fichier, pas un dossier");
    reponse::Vu vu;
    boite(QMessageBox::Ok, &vu);
    EXPECT_FALSE(f->seances->enregistrer(chemin("classe/m.kinopix")));
    EXPECT_TRUE(
        vu.texte.startsWith(QStringLiteral("La séance n'a pas pu être enregistrée dans\n« %1 »")
                                .arg(chemin("classe/m.kinopix"))))
        << vu.texte.toStdString();
    EXPECT_TRUE(f->seances->mesuresHorsSeance());
    EXPECT_TRUE(f->seances->cheminSeance().isEmpty());
}

TEST_F(SeanceFenetre, AClipMovedWithItsSessionOrLocatedByTheUserIsFound) {
    // The clip and its session moved together: found by the relative path.
    ASSERT_TRUE(QDir(dossier.path()).mkpath("classe/clips"));
    ASSERT_TRUE(QFile::copy(f->seance->clip().chemin, chemin("classe/clips/chute.avi")));
    auto h = demarrer();
    h->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(h.get()));
    reponse::dialogue([&](QWidget* d) { taper(d, chemin("classe/clips/chute.avi")); });
    h->clip->bbtnOpenAviClick();
    h->tableau->ecrirePoint(1, 1, 45, 75);
    enregistrer(*h, chemin("classe/chute.kinopix"));
    ASSERT_TRUE(QDir(dossier.path()).rename("classe", "deplacee"));
    auto g = ouvrirAilleurs(chemin("deplacee/chute.kinopix"));
    EXPECT_EQ(g->seance->clip().chemin, chemin("deplacee/clips/chute.avi"));
    EXPECT_EQ(lu(*g), lu(*h));

    // The session alone: the clip is located through the dialog. A clip of another size
    // is refused first, and the window keeps its measures.
    ASSERT_TRUE(QFile::copy(chemin("deplacee/chute.kinopix"), chemin("seule.kinopix")));
    ASSERT_TRUE(QDir(dossier.path()).rename("deplacee", "ailleurs"));
    const QString autre =
        clipstest::clip("autre.avi", {"--size", "80x60", "--rate", "25", "--frames", "5"});
    const QStringList avant = lu(*g);
    reponse::Vu refus;
    reponse::dialogue([&](QWidget* b) {
        rechercher(b, [&](QWidget* d) {
            taper(d, autre);
            reponse::bouton(QMessageBox::Ok, &refus);
        });
    });
    EXPECT_FALSE(g->seances->ouvrirSeance(chemin("seule.kinopix")));
    EXPECT_TRUE(refus.texte.startsWith("Ce clip n'est pas celui de la séance"))
        << refus.texte.toStdString();
    EXPECT_EQ(lu(*g), avant);

    reponse::dialogue([&](QWidget* b) {
        rechercher(b, [&](QWidget* d) { taper(d, chemin("ailleurs/clips/chute.avi")); });
    });
    EXPECT_TRUE(g->seances->ouvrirSeance(chemin("seule.kinopix")));
    EXPECT_EQ(g->seance->clip().chemin, chemin("ailleurs/clips/chute.avi"));
}

TEST_F(SeanceFenetre, ATruncatedOrForeignFileIsRefusedAndTheTableKept) {
    enregistrer(*f, chemin("m.kinopix"));
    const QByteArray entier = lire("m.kinopix");
    ecrire("coupe.kinopix", entier.left(entier.size() / 2));
    ecrire("autre.kinopix", R"({"name": "un autre programme", "version": 3})");
    f->tableau->ecrirePoint(1, 4, 50, 50);
    const QStringList avant = lu(*f);
    for (const char* nom : {"coupe.kinopix", "autre.kinopix"}) {
        reponse::Vu vu;
        boite(QMessageBox::Ok, &vu);
        EXPECT_FALSE(f->seances->ouvrirSeance(chemin(nom)));
        EXPECT_TRUE(vu.texte.startsWith(QStringLiteral("Le fichier « %1 » ne peut pas être ouvert "
                                                       "comme séance")
                                            .arg(nom)))
            << vu.texte.toStdString();
        EXPECT_EQ(lu(*f), avant);
    }
}

TEST_F(SeanceFenetre, QuittingAsksToSaveTheMeasuresInASession) {
    // Annuler stays; Non quits without saving.
    boite(QMessageBox::Cancel);
    EXPECT_FALSE(f->close());
    boite(QMessageBox::No);
    EXPECT_TRUE(f->close());
    EXPECT_FALSE(QFile::exists(chemin("export160.kinopix")));

    // Oui saves first; a save cancelled keeps the window open.
    auto g = clipMesure();
    reponse::dialogue(
        [](QWidget* b) { presser(b, QMessageBox::Yes, [](QWidget* d) { d->close(); }); });
    EXPECT_FALSE(g->close());
    reponse::dialogue([&](QWidget* b) {
        presser(b, QMessageBox::Yes, [&](QWidget* d) { taper(d, chemin("fin.kinopix")); });
    });
    EXPECT_TRUE(g->close());
    EXPECT_TRUE(QFile::exists(chemin("fin.kinopix")));
}

TEST_F(SeanceFenetre, AFileNamedAtStartUpIsOpenedRelativeOrAbsolute) {
    enregistrer(*f, chemin("m.kinopix"));
    auto g = demarrer();
    g->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(g.get()));
    ouvrirArguments(*g, {"kinopix", "-reverse", "m.kinopix"}); // from the folder started in
    EXPECT_EQ(g->seances->cheminSeance(), chemin("m.kinopix"));
    EXPECT_EQ(lu(*g), lu(*f));

    auto h = demarrer();
    h->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(h.get()));
    ouvrirArguments(*h, {"kinopix", f->seance->clip().chemin});
    EXPECT_EQ(h->seance->clip().chemin, f->seance->clip().chemin);
    EXPECT_TRUE(h->seances->cheminSeance().isEmpty());
}

TEST_F(SeanceFenetre, AWindowGoneWithoutQuittingLeavesItsMeasuresToRecover) {
    for (const QString& ancienne : ControleurSeance::recuperationsOrphelines())
        QFile::remove(ancienne); // left by other windows of the test program
    f->seances->setDelaiRecuperation(10);
    f->tableau->ecrirePoint(1, 4, 50, 50);
    const QString fichier = f->seances->cheminRecuperation();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(fichier); }, 5000));
    const QStringList mesures = lu(*f);
    f.reset(); // no quit: as after a crash
    EXPECT_TRUE(QFile::exists(fichier));
    EXPECT_EQ(ControleurSeance::recuperationsOrphelines(), QStringList{fichier});

    auto g = demarrer();
    g->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(g.get()));
    reponse::Vu vu;
    boite(QMessageBox::Yes, &vu);
    offrirRecuperation(*g);
    EXPECT_EQ(vu.texte, QString::fromUtf8("Kinopix ne s'est pas fermé normalement. Voulez-vous "
                                          "récupérer les mesures de la séance précédente ?"));
    EXPECT_EQ(lu(*g), mesures);
    EXPECT_TRUE(g->seances->mesuresHorsSeance()); // in no session yet
    EXPECT_TRUE(ControleurSeance::recuperationsOrphelines().isEmpty());

    // A session saved, or a normal quit, leaves nothing to recover.
    g->seances->setDelaiRecuperation(10);
    g->tableau->ecrirePoint(1, 5, 60, 60);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return QFile::exists(g->seances->cheminRecuperation()); }, 5000));
    boite(QMessageBox::No);
    EXPECT_TRUE(g->close());
    EXPECT_FALSE(QFile::exists(g->seances->cheminRecuperation()));
}
