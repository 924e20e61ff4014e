// The capture rate through the window: typed in the properties tab, undone, refused, and
// read from a slow-motion phone clip.

#include "app/DossierTest.h"
#include "export/FenetreExport.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "measure/HautBas.h"
#include "model/Seance.h"

#include <QAction>
#include <QLabel>

using namespace fenetreExport;

namespace {

struct CadenceFenetre : DossierTest {};

QString t(const TForm1& f, int r) {
    return f.tableau->grille1().cellule(0, r);
}

void taperCadence(TForm1& f, const QString& texte) {
    auto* box = f.findChild<QLineEdit*>("edCadencePriseDeVue");
    box->selectAll();
    box->setText(texte);
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

TEST_F(CadenceFenetre, ATypedRateRetimesTheTableAndIsUndoneInOneStep) {
    auto f = clipMesure(); // 25 images per second
    const QString sep = QLocale().decimalPoint();
    f->PageControl1->setCurrentWidget(f->tsProClip);
    auto* box = f->findChild<QLineEdit*>("edCadencePriseDeVue");
    EXPECT_TRUE(box->isEnabled());
    EXPECT_EQ(box->text(), "25");
    EXPECT_EQ(t(*f, 2), "0" + sep + "040");

    taperCadence(*f, "100");
    EXPECT_EQ(t(*f, 1), "0" + sep + "000");
    EXPECT_EQ(t(*f, 2), "0" + sep + "010");
    EXPECT_EQ(t(*f, 3), "0" + sep + "020");
    EXPECT_EQ(f->findChild<QLabel*>("lblRalenti")->text(), QString::fromUtf8("ralenti × 4"));
    EXPECT_EQ(f->action("mnuAnnuler")->text(), QString::fromUtf8("Annuler l'étalonnage du temps"));

    for (const char* refuse : {"abc", "0"}) {
        taperCadence(*f, refuse);
        EXPECT_EQ(f->seance->cadencePriseDeVue(), 100) << refuse;
        EXPECT_EQ(box->palette().color(QPalette::Base), QColor(255, 0, 0)) << refuse;
    }

    f->action("mnuAnnuler")->trigger();
    EXPECT_EQ(t(*f, 2), "0" + sep + "040");
    EXPECT_EQ(box->text(), "25");
    EXPECT_TRUE(f->findChild<QLabel*>("lblRalenti")->text().isEmpty());
}

TEST_F(CadenceFenetre, APhoneSlowMotionClipOpensAtItsCaptureRate) {
    const QString clip =
        clipstest::clip("ralenti240.mp4", {"--codec", "h264", "--rate", "30", "--frames", "5",
                                           "--size", "64x48", "--capture-fps", "240"});
    auto f = demarrer();
    f->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
    ASSERT_TRUE(f->clip->ouvrirClip(clip));
    const QString sep = QLocale().decimalPoint();
    EXPECT_EQ(f->findChild<QLabel*>("lblRalenti")->text(), QString::fromUtf8("ralenti × 8"));
    EXPECT_EQ(f->findChild<QLineEdit*>("edCadencePriseDeVue")->text(), "240");
    EXPECT_EQ(f->findChild<HautBas*>("udFmt_t")->value(), 4);
    EXPECT_EQ(t(*f, 2), "0" + sep + "0042");
    EXPECT_EQ(f->seance->pile().count(), 0); // read from the clip, not a change of the user's
}
