// Opening another clip while the table holds measurements that never left the program:
// the user is asked before anything of the current clip goes.

#include "FenetreExport.h"
#include "app/DossierTest.h"
#include "dialogs/TSauveTableauPPBox.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "model/Seance.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

using namespace fenetreExport;

namespace {

const QString kQuestion = QString::fromUtf8(
    "Les mesures du clip actuel n'ont pas été enregistrées.\n\nVoulez-vous les abandonner ?");

QString clipA() {
    return clipstest::clip("abandonA.avi", {"--size", "160x120", "--frames", "4"});
}
QString clipB() {
    return clipstest::clip("abandonB.avi", {"--size", "160x120", "--frames", "6"});
}

} // namespace

class MesuresNonEnregistrees : public DossierTest {
protected:
    // Chooses a clip in the open dialog; answers the question with `reponse` if it comes.
    reponse::Vu ouvrir(TForm1& f, const QString& clip,
                       QMessageBox::StandardButton reponse = QMessageBox::No) {
        reponse::Vu question;
        QPointer<QTimer> veille;
        reponse::dialogue([&](QWidget* d) {
            veille = boite(reponse, &question);
            taper(d, clip);
        });
        f.clip->bbtnOpenAviClick();
        arreter(veille);
        return question;
    }
};

TEST_F(MesuresNonEnregistrees, AskedAfterAClickNotAfterSaving) {
    auto f = demarrer();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));

    // An empty table goes without a question.
    EXPECT_FALSE(ouvrir(*f, clipA()).ouvert);
    EXPECT_EQ(f->seance->clip().nom(), "abandonA.avi");
    EXPECT_FALSE(ouvrir(*f, clipA()).ouvert);

    // A click records a point: "Non" keeps the clip, its image and the table.
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(30, 40));
    ASSERT_EQ(f->tableau->grille0().cellule(1, 1), "30");
    const int image = f->vue.noImage;
    reponse::Vu question = ouvrir(*f, clipB());
    EXPECT_EQ(question.texte, kQuestion);
    EXPECT_EQ(f->seance->clip().nom(), "abandonA.avi");
    EXPECT_EQ(f->seance->clip().nbImages, 4);
    EXPECT_TRUE(f->clipOuvert());
    EXPECT_EQ(f->vue.noImage, image);
    EXPECT_EQ(f->tableau->grille0().cellule(1, 1), "30");
    EXPECT_EQ(f->tableau->grille0().cellule(2, 1), "40");
    EXPECT_EQ(f->PageControl1->currentWidget(), f->tsProClip); // as after a cancelled choice

    // Saved: no question any more, until the next click.
    reponse::dialogue([&](QWidget* d) { taper(d, chemin("a.rw3")); });
    f->action("mnuAuFormatRW3")->trigger();
    ASSERT_TRUE(QFile::exists(chemin("a.rw3")));
    EXPECT_FALSE(f->tableau->mesuresNonEnregistrees());
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(50, 60));
    EXPECT_TRUE(f->tableau->mesuresNonEnregistrees());
    EXPECT_EQ(ouvrir(*f, clipB(), QMessageBox::Yes).texte, kQuestion);
    EXPECT_EQ(f->seance->clip().nom(), "abandonB.avi");
    EXPECT_TRUE(f->tableau->grille0().cellule(1, 1).isEmpty());
    EXPECT_TRUE(f->tableau->grille0().cellule(1, 2).isEmpty());

    // Points erased down to an empty table: nothing to lose, no question.
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(10, 20));
    boite(QMessageBox::Yes);
    f->findChild<QPushButton*>("Button2")->click();
    EXPECT_FALSE(f->tableau->tableauOccupe());
    EXPECT_FALSE(ouvrir(*f, clipA()).ouvert);
    EXPECT_EQ(f->seance->clip().nom(), "abandonA.avi");

    // Saved then saved again after a change of the same point back and forth still counts
    // as changed: the table is compared with what left, not with its content.
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(10, 20));
    reponse::dialogue([&](QWidget* d) {
        boite(QMessageBox::Yes);
        taper(d, chemin("a.rw3"));
    });
    f->action("mnuAuFormatRW3")->trigger();
    EXPECT_FALSE(f->tableau->mesuresNonEnregistrees());
    f->tableau->grille1().setLigne(1);
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(11, 20));
    f->tableau->grille1().setLigne(1);
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(10, 20));
    EXPECT_TRUE(f->tableau->mesuresNonEnregistrees());
}

TEST_F(MesuresNonEnregistrees, CopyingTheTableCountsAsSavingButCancellingDoesNot) {
    auto f = demarrer();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    EXPECT_FALSE(ouvrir(*f, clipA()).ouvert);
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(30, 40));
    ASSERT_TRUE(f->tableau->mesuresNonEnregistrees());

    auto copier = [&](bool ok) {
        reponse::Vu vu;
        reponse::dialogue(
            [ok](QWidget* w) {
                auto* d = qobject_cast<TSauveTableauPPBox*>(w);
                ASSERT_NE(d, nullptr);
                QTest::mouseClick(ok ? d->OKBtn : d->CancelBtn, Qt::LeftButton);
            },
            &vu);
        f->controle<QToolButton>("bbtnCopierMesuresPP")->click();
        EXPECT_TRUE(vu.ouvert);
    };
    copier(false);
    EXPECT_TRUE(f->tableau->mesuresNonEnregistrees());
    copier(true);
    EXPECT_FALSE(f->tableau->mesuresNonEnregistrees());
    EXPECT_FALSE(ouvrir(*f, clipB()).ouvert);
    EXPECT_EQ(f->seance->clip().nom(), "abandonB.avi");
}

// The workbook that stands for Excel: one that could not be written leaves the measures
// unsaved; one written that no application opens is said to be there.
TEST_F(MesuresNonEnregistrees, AWorkbookCountsOnceWrittenEvenIfNothingOpensIt) {
    auto f = demarrer();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    EXPECT_FALSE(ouvrir(*f, clipA()).ouvert);
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(30, 40));
    f->etat.config[9] = QStringLiteral("Microsoft Excel");

    // Answers Yes to the transfer's question and OK to the box that follows, when it comes.
    auto transferer = [&] {
        reponse::Vu suite;
        QPointer<QTimer> veille;
        reponse::dialogue([&](QWidget* d) {
            veille = boite(QMessageBox::Ok, &suite);
            qobject_cast<QMessageBox*>(d)->button(QMessageBox::Yes)->click();
        });
        f->controle<QToolButton>("bbtnTabExec")->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return suite.ouvert; }, 10000));
        arreter(veille);
        return suite.texte;
    };

    // A clips folder that is a file.
    ecrire("clips", "un fichier");
    f->etat.config[4] = chemin("clips") + "/";
    EXPECT_EQ(transferer(),
              QString("Le classeur n'a pas pu être enregistré dans\n%1/").arg(chemin("clips")));
    EXPECT_TRUE(f->tableau->mesuresNonEnregistrees());
    EXPECT_EQ(ouvrir(*f, clipB()).texte, kQuestion);
    EXPECT_EQ(f->seance->clip().nom(), "abandonA.avi");

    // Written, but the desktop has no application for it (xdg-open fails).
    const QString bin = chemin("bin");
    QDir().mkpath(bin);
    QFile xdg(bin + "/xdg-open");
    ASSERT_TRUE(xdg.open(QIODevice::WriteOnly));
    xdg.write("#!/bin/sh\nexit 3\n");
    xdg.close();
    xdg.setPermissions(xdg.permissions() | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", (bin + ":/usr/bin:/bin").toLocal8Bit());
    f->etat.config[4] = dossier.path() + "/";
    const QString texte = transferer();
    qputenv("PATH", path);
    EXPECT_EQ(texte, QString("Le classeur a été enregistré dans :\n%1\n\nAucune application n'a "
                             "pu l'ouvrir.")
                         .arg(chemin("mesures.xlsx")));
    EXPECT_TRUE(QFile::exists(chemin("mesures.xlsx")));
    EXPECT_FALSE(f->tableau->mesuresNonEnregistrees());
    EXPECT_FALSE(ouvrir(*f, clipB()).ouvert);
    EXPECT_EQ(f->seance->clip().nom(), "abandonB.avi");
}
