#pragma once

#include "aides/ClipsTest.h"
#include "aides/ReponseModale.h"
#include "app/Demarrage.h"
#include "clip/ControleurClip.h"
#include "clip/ZonePointage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

// Helpers for driving the export commands of the window as a user does.
namespace fenetreExport {

// Types (or pastes) a name into a file dialog of the program and presses its accept button.
inline void taper(QWidget* dialogue, const QString& nom) {
    auto* champ = dialogue->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(champ, nullptr) << dialogue->objectName().toStdString();
    // The open dialog, used again, reads its folder in the background, and once it has,
    // selects again in its list the clip chosen the last time, which would win over the
    // name typed: as a user does, the name is typed once the folder is shown.
    if (dialogue->objectName() == QLatin1String("OpenDialog1")) {
        if (auto* liste = dialogue->findChild<QListView*>("listView"))
            (void)QTest::qWaitFor( // an empty folder is shown too
                [liste] {
                    return liste->model() && liste->model()->rowCount(liste->rootIndex()) > 0;
                },
                1000);
        QTest::qWait(20);
    }
    // A whole path is pasted: typed key by key, the dialog would walk into each folder
    // as its name is completed, and keep only the rest.
    if (nom.contains(QLatin1Char('/'))) {
        champ->setText(nom);
    } else {
        champ->selectAll();
        QTest::keyClicks(champ, nom);
    }
    auto* boutons = dialogue->findChild<QDialogButtonBox*>("buttonBox");
    ASSERT_NE(boutons, nullptr);
    for (QAbstractButton* b : boutons->buttons())
        if (boutons->buttonRole(b) == QDialogButtonBox::AcceptRole) {
            // The dialog enables it once it has looked at the name typed, which it may do
            // after reading the folder in the background.
            EXPECT_TRUE(QTest::qWaitFor([b] { return b->isEnabled(); }, 5000));
            b->click();
            return;
        }
    ADD_FAILURE() << "pas de bouton d'acceptation";
}

// Presses a button of the next message box (and of no other modal window), recording it.
// Stop the returned watcher when no box is expected any more.
inline QPointer<QTimer> boite(QMessageBox::StandardButton b, reponse::Vu* vu = nullptr) {
    QPointer<QTimer> minuterie = new QTimer(qApp);
    auto chrono = std::make_shared<QElapsedTimer>();
    chrono->start();
    QObject::connect(minuterie, &QTimer::timeout, [=] {
        auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (m == nullptr && chrono->elapsed() < 10000) return;
        minuterie->stop();
        minuterie->deleteLater();
        if (m == nullptr) return;
        if (vu != nullptr) {
            vu->ouvert = true;
            vu->titre = m->windowTitle();
            vu->texte = m->text();
        }
        if (QAbstractButton* bouton = m->button(b))
            bouton->click();
        else {
            ADD_FAILURE() << "boîte inattendue : " << m->text().toStdString();
            m->close();
        }
    });
    minuterie->start(10);
    return minuterie;
}

// Stops a watcher of boite() whose box may not have come.
inline void arreter(const QPointer<QTimer>& veille) {
    if (veille) {
        veille->stop();
        veille->deleteLater();
    }
}

inline void cliquer(QWidget* dialogue, const char* nom) {
    auto* b = dialogue->findChild<QAbstractButton*>(nom);
    ASSERT_NE(b, nullptr) << nom;
    b->click();
}

inline QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A window on a real clip of 5 images (160 x 120, 25 per second), opened through the open
// dialog, calibrated (origin at (20, 100), 50 pixels = 2 m) and measured on images 1 to 3
// with one point per image: (1, 1), (0, -0.4) and (2, 2) metres.
inline std::unique_ptr<TForm1> clipMesure() {
    const QString clip =
        clipstest::clip("export160.avi", {"--size", "160x120", "--rate", "25", "--frames", "5"});
    EXPECT_FALSE(clip.isEmpty());
    auto f = demarrer();
    f->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    reponse::dialogue([&](QWidget* d) { taper(d, clip); });
    f->clip->bbtnOpenAviClick();
    EXPECT_TRUE(f->clipOuvert());

    f->PageControl1->setCurrentWidget(f->tsEtalon);
    f->findChild<QRadioButton*>("rbChxOrig")->click();
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(20, 100));
    f->findChild<QRadioButton*>("rbEtalonSimu")->click();
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(10, 10));
    f->findChild<QAbstractButton*>("chkBoxPt2")->click();
    QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, QPoint(40, 50));
    auto* edSi = f->findChild<QLineEdit*>("edSi");
    edSi->setFocus();
    edSi->selectAll();
    QTest::keyClicks(edSi, QStringLiteral("2"));
    QTest::keyClick(edSi, Qt::Key_Return); // the distance is confirmed, its edit over
    f->PageControl1->setCurrentWidget(f->tsMesures);

    for (const QPoint& p : {QPoint(45, 75), QPoint(20, 110), QPoint(70, 50)})
        QTest::mouseClick(f->PaintBox1, Qt::LeftButton, {}, p);
    return f;
}

} // namespace fenetreExport
