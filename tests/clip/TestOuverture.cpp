#include "aides/ClipsTest.h"
#include "aides/ReponseModale.h"
#include "app/Demarrage.h"
#include "clip/AviFabrique.h"
#include "clip/ControleurClip.h"
#include "clip/ImpressionQt.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QString ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    f.write(octets);
    return chemin;
}

const QString kVideos =
    "vidéos (*.avi *.mp4 *.mov *.m4v *.mkv *.webm *.ogv *.3gp *.mts *.wmv *.flv *.lnk)";

QStringList motifsVideos() {
    return {"*.avi", "*.mp4", "*.mov", "*.m4v", "*.mkv", "*.webm",
            "*.ogv", "*.3gp", "*.mts", "*.wmv", "*.flv", "*.lnk"};
}

} // namespace

TEST(OuvertureDialogue, DialogOffersAviFilesFromTheClipsFolderAndPreviewsTheSelection) {
    auto f = demarrer();
    QTemporaryDir programme, clips;
    f->etat.dossierProgramme = programme.path();
    ecrire(programme.filePath("kpconfig.txt"), "[version]");
    f->etat.config[4] = clips.path() + "/";
    fabrique::Champs c;
    c.images = 77;
    const QString clip = ecrire(clips.filePath("chute.avi"), fabrique::canonique(c));

    reponse::Vu vu;
    QString dossier, nbImagesVu;
    QStringList filtres;
    QString ouvrirTexte, annulerTexte;
    int ongletPendant = -1;
    reponse::dialogue(
        [&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(d, nullptr);
            dossier = d->directory().absolutePath();
            auto* types = d->findChild<QComboBox*>("fileTypeCombo");
            for (int i = 0; types != nullptr && i < types->count(); ++i)
                filtres << types->itemText(i);
            // Qt's own words of the dialog are French too.
            auto* boutons = d->findChild<QDialogButtonBox*>("buttonBox");
            ASSERT_NE(boutons, nullptr);
            ASSERT_TRUE(boutons->button(QDialogButtonBox::Open) &&
                        boutons->button(QDialogButtonBox::Cancel));
            ouvrirTexte = boutons->button(QDialogButtonBox::Open)->text().remove('&');
            annulerTexte = boutons->button(QDialogButtonBox::Cancel)->text().remove('&');
            // Each name still filters with its patterns.
            auto* modeleFiltre = d->findChild<QFileSystemModel*>();
            ASSERT_TRUE(types && modeleFiltre);
            EXPECT_EQ(types->currentIndex(), 0);
            EXPECT_EQ(modeleFiltre->nameFilters(), motifsVideos());
            types->setCurrentIndex(1);
            emit types->activated(1); // as when the user picks it
            EXPECT_EQ(modeleFiltre->nameFilters(), (QStringList{"*.avi", "*.lnk"}));
            types->setCurrentIndex(2);
            emit types->activated(2);
            EXPECT_EQ(modeleFiltre->nameFilters(), QStringList{"*"});
            types->setCurrentIndex(0);
            emit types->activated(0);
            EXPECT_EQ(modeleFiltre->nameFilters(), motifsVideos());
            ongletPendant = f->PageControl1->currentIndex();
            // The user clicks the file: the selection change previews it.
            auto* vue = d->findChild<QListView*>("listView");
            auto* modele = qobject_cast<QFileSystemModel*>(vue->model());
            ASSERT_NE(modele, nullptr);
            ASSERT_TRUE(QTest::qWaitFor([&] { return modele->index(clip).isValid(); }, 3000));
            vue->setCurrentIndex(modele->index(clip));
            nbImagesVu = f->controle<QLabel>("lblNbImages")->text();
            d->reject();
        },
        &vu);
    f->controle<QToolButton>("bbtnOpenAvi")->click();

    EXPECT_EQ(vu.objet, "OpenDialog1");
    EXPECT_EQ(vu.titre, "Ouverture d'un clip vidéo (fichier *.avi)");
    EXPECT_EQ(filtres, (QStringList{kVideos, "fichiers  AVI", "tous les fichiers"}));
    EXPECT_EQ(ouvrirTexte, "Ouvrir");
    EXPECT_EQ(annulerTexte, "Annuler");
    EXPECT_EQ(dossier, QDir(clips.path()).absolutePath());
    EXPECT_EQ(ongletPendant, f->PageControl1->indexOf(f->tsProClip));
    EXPECT_EQ(nbImagesVu, "Nombre d'images : 77");
    EXPECT_TRUE(f->clip->OpenDialog1()->testOption(QFileDialog::DontUseNativeDialog));

    // Cancelled: the tab stays on the properties, back to the "?" texts of no clip.
    EXPECT_EQ(f->PageControl1->currentWidget(), f->tsProClip);
    EXPECT_EQ(f->controle<QLabel>("lblNbImages")->text(), "Nombre d'images : 0");
    EXPECT_FALSE(f->clipOuvert());
}

// Phone clips: the filter chosen when the dialog opens lists them, capitals included, and
// selecting one previews it from its container.
TEST(OuvertureDialogue, DefaultFilterListsPhoneClipsAndPreviewsThem) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto f = demarrer();
    QTemporaryDir programme, clips;
    f->etat.dossierProgramme = programme.path();
    ecrire(programme.filePath("kpconfig.txt"), "[version]");
    f->etat.config[4] = clips.path() + "/";
    auto copier = [&](const QString& source, const QString& nom) {
        EXPECT_FALSE(source.isEmpty());
        QFile::copy(source, clips.filePath(nom));
        return clips.filePath(nom);
    };
    const QString mp4 = copier(
        clipstest::clip("apercu.mp4", {"--codec", "h264", "--frames", "30", "--size", "160x120"}),
        "essai.mp4");
    const QString mov = copier(clipstest::clip("apercu.mov", {"--codec", "h264", "--frames", "12",
                                                              "--size", "96x64", "--rate", "30"}),
                               "IMG_0001.MOV");
    ecrire(clips.filePath("notes.txt"), "rien");
    ecrire(clips.filePath("faux.mp4"), QByteArray(4000, 'x'));

    QStringList listes;
    QString apercuMp4, apercuMov, apercuFaux;
    reponse::dialogue([&](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(d, nullptr);
        auto* vue = d->findChild<QListView*>("listView");
        ASSERT_NE(vue, nullptr);
        auto* modele = qobject_cast<QFileSystemModel*>(vue->model());
        ASSERT_NE(modele, nullptr);
        const QModelIndex racine = modele->index(clips.path());
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return modele->index(mov).isValid() && modele->index(mp4).isValid(); }, 3000));
        QTest::qWait(50);
        for (int i = 0; i < modele->rowCount(racine); ++i) {
            const QModelIndex x = modele->index(i, 0, racine);
            // Files outside the filter stay in the model, greyed and disabled.
            if (modele->flags(x) & Qt::ItemIsEnabled) listes << modele->fileName(x);
        }
        auto lbl = [&](const char* nom) { return f->controle<QLabel>(nom)->text(); };
        vue->setCurrentIndex(modele->index(mp4));
        apercuMp4 = lbl("lblNbImages") + "|" + lbl("lblFrequence") + "|" + lbl("lblDimL") + "|" +
                    lbl("lblCodec2");
        vue->setCurrentIndex(modele->index(mov));
        apercuMov = lbl("lblNbImages") + "|" + lbl("lblFrequence") + "|" + lbl("lblDimH");
        vue->setCurrentIndex(modele->index(clips.filePath("faux.mp4")));
        apercuFaux = lbl("lblFile");
        d->reject();
    });
    f->controle<QToolButton>("bbtnOpenAvi")->click();

    listes.sort();
    EXPECT_EQ(listes, (QStringList{"IMG_0001.MOV", "essai.mp4", "faux.mp4"}));
    EXPECT_EQ(apercuMp4,
              "Nombre d'images : 30|Fréquence : 25 images / s|Largeur : 160 pixels|h264");
    EXPECT_EQ(apercuMov, "Nombre d'images : 12|Fréquence : 30 images / s|Hauteur : 64 pixels");
    // A file the media libraries cannot read keeps the previous texts.
    EXPECT_EQ(apercuFaux, "Fichier : IMG_0001.MOV");
    QLocale::setDefault(QLocale::system());
}
