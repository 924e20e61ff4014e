// The two clipboard commands driven from the window: real clip, clicks on the image, the
// tool bar buttons, the dialogs answered as a user does, the clipboard read back.

#include "measure/PointageTest.h"

#include "aides/DocumentEssai.h"
#include "aides/ReponseModale.h"
#include "dialogs/TSauveGraphicPPBox.h"
#include "dialogs/TSauveTableauPPBox.h"
#include "platform/PeripheriqueMedia.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFrame>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>

using namespace pointage;

namespace {

// Presses a tool bar button and answers the dialog it opens.
void commande(TForm1& f, const char* bouton, std::function<void(QWidget*)> reponse) {
    reponse::Vu vu;
    reponse::dialogue(std::move(reponse), &vu);
    f.controle<QToolButton>(bouton)->click();
    EXPECT_TRUE(vu.ouvert) << bouton;
}

// The table dialog: optional title and separator item, then OK (or Annuler).
void copierTableau(TForm1& f, int separateur = 0, const QString* titre = nullptr, bool ok = true) {
    commande(f, "bbtnCopierMesuresPP", [=](QWidget* w) {
        auto* d = qobject_cast<TSauveTableauPPBox*>(w);
        ASSERT_NE(d, nullptr);
        if (titre != nullptr) {
            d->edSauvePPTitre->selectAll();
            QTest::keyClicks(d->edSauvePPTitre, *titre);
        }
        d->findChild<QRadioButton*>(QStringLiteral("rgSeparTxt%1").arg(separateur))->click();
        QTest::mouseClick(ok ? d->OKBtn : d->CancelBtn, Qt::LeftButton);
    });
}

QString pressePapier() {
    const QMimeData* m = QApplication::clipboard()->mimeData();
    return m != nullptr && m->hasText() ? QString::fromUtf8(m->data("text/plain")) : QString();
}

// The locale's separator for one test.
struct LocaleTest {
    QLocale avant;
    explicit LocaleTest(const QLocale& l) { QLocale::setDefault(l); }
    ~LocaleTest() { QLocale::setDefault(avant); }
};

// Lets the window repaint, its redraw timer included.
void attendreAffichage() {
    QTest::qWait(120);
}

} // namespace

TEST(PressePapierFenetre, TableTextForOneAndTwoPointsByteForByte) {
    auto f = avecClip();
    clic(*f, 100, 139); // image 1, then automatic advance to image 2
    clic(*f, 110, 129);
    QApplication::clipboard()->clear();
    copierTableau(*f);
    EXPECT_EQ(pressePapier(), "Pointages Kinopix\r\nt\tx\ty\r\ns\tm\tm\r\n"
                              "0.000\t 1.00E+2\t 1.00E+2\r\n"
                              "0.040\t 1.10E+2\t 1.10E+2");

    // Two points per image: image 1 gets both, image 2 only its first.
    points(*f, 2);
    f->tableau->setCelluleCourante(1, 1);
    clic(*f, 10, 239);
    clic(*f, 20, 229);
    clic(*f, 30, 219); // image 2 gets its first point only
    ASSERT_EQ(px(*f, 1, 2), "30");
    copierTableau(*f, 1);
    EXPECT_EQ(pressePapier(), "Pointages Kinopix\r\nt;x1;y1;x2;y2\r\ns;m;m;m;m\r\n"
                              "0.000; 1.00E+1; 0.00E+0; 2.00E+1; 1.00E+1");
}

TEST(PressePapierFenetre, TimeOriginOnImageThreeAndTheLocalesComma) {
    LocaleTest virgule(QLocale(QLocale::French, QLocale::France));
    auto f = avecClip();
    for (int i = 0; i < 5; ++i)
        clic(*f, 10 * (i + 1), 200 - i);
    f->tableau->effacerPlages(QRect(1, 4, 2, 1), 1, 6); // image 4 has no point
    auto* t0 = f->findChild<HautBas*>("udt0");
    t0->stepBy(2);
    emit t0->relache();
    // Negative values (origin moved to the middle) keep their sign without a space.
    etalonner(*f->seance, [&](Etalonnage& c) { c.xOrig = 40; });
    f->tableau->ActualGrid();
    const QString titre = QStringLiteral("Chute n°2");
    copierTableau(*f, 3, &titre);
    EXPECT_EQ(pressePapier(), "Chute n°2\r\nt x y\r\ns m m\r\n"
                              "0,000 -1,00E+1  4,10E+1\r\n"
                              "0,080  1,00E+1  4,30E+1");
}

TEST(PressePapierFenetre, AnnulerBringsBackTheTitleAndOkKeepsIt) {
    auto f = avecClip();
    const QString nouveau = QStringLiteral("Essai");
    QApplication::clipboard()->setText(QStringLiteral("avant"));
    copierTableau(*f, 0, &nouveau, false);
    EXPECT_EQ(pressePapier(), "avant"); // nothing copied
    EXPECT_EQ(f->dlg.SauveTableauPPBox->edSauvePPTitre->text(), "Pointages Kinopix");
    copierTableau(*f, 2, &nouveau, true);
    EXPECT_TRUE(pressePapier().startsWith("Essai\r\nt,x,y\r\ns,m,m"));
    EXPECT_EQ(f->dlg.SauveTableauPPBox->edSauvePPTitre->text(), "Essai");
    // The separator chosen last is offered again.
    commande(*f, "bbtnCopierMesuresPP", [](QWidget* w) {
        auto* d = qobject_cast<TSauveTableauPPBox*>(w);
        EXPECT_EQ(d->itemSeparateur(), 2);
        EXPECT_EQ(d->edSauvePPTitre->text(), "Essai");
        d->CancelBtn->click();
    });
}

// Under a decimal comma the comma cannot separate the cells: its item is refused, with the
// reason in the status bar, and a comma chosen before goes to "Point virgule".
TEST(PressePapierFenetre, NoCommaSeparatorUnderADecimalComma) {
    auto f = avecClip();
    clic(*f, 100, 139);
    copierTableau(*f, 2);
    EXPECT_TRUE(pressePapier().startsWith("Pointages Kinopix\r\nt,x,y\r\n"));
    const QString raison = QStringLiteral("La virgule sert déjà de séparateur décimal");
    {
        LocaleTest virgule(QLocale(QLocale::French, QLocale::France));
        f->tableau->ActualGrid();
        commande(*f, "bbtnCopierMesuresPP", [&](QWidget* w) {
            auto* d = qobject_cast<TSauveTableauPPBox*>(w);
            EXPECT_FALSE(d->separateurs[2]->isEnabled());
            EXPECT_EQ(d->separateurs[2]->statusTip(), raison);
            EXPECT_EQ(d->itemSeparateur(), 1);
            d->separateurs[2]->click(); // refused
            QTest::mouseClick(d->OKBtn, Qt::LeftButton);
        });
        EXPECT_EQ(pressePapier(), "Pointages Kinopix\r\nt;x;y\r\ns;m;m\r\n0,000; 1,00E+2; 1,00E+2");
    }
    // Point decimals: the comma is offered again.
    commande(*f, "bbtnCopierMesuresPP", [](QWidget* w) {
        auto* d = qobject_cast<TSauveTableauPPBox*>(w);
        EXPECT_TRUE(d->separateurs[2]->isEnabled());
        EXPECT_TRUE(d->separateurs[2]->statusTip().isEmpty());
        d->separateurs[2]->click();
        EXPECT_EQ(d->itemSeparateur(), 2);
        d->CancelBtn->click();
    });
}

TEST(PressePapierFenetre, PictureWithoutTheImageHasTheMarksOnTheBackground) {
    auto f = avecClip();
    clic(*f, 100, 100);
    clic(*f, 150, 60);
    attendreAffichage();
    commande(*f, "bbtnCopierGraphiquePP", [](QWidget* w) {
        auto* d = qobject_cast<TSauveGraphicPPBox*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->rbExclure->isChecked());
        // A pale blue background from the colour chooser.
        reponse::dialogue([](QWidget* c) {
            auto* choix = qobject_cast<QColorDialog*>(c);
            ASSERT_NE(choix, nullptr);
            choix->setCurrentColor(QColor(200, 220, 255));
            choix->accept();
        });
        d->btnCouleurFond->click();
        EXPECT_EQ(d->couleurFond, QColor(200, 220, 255));
        d->OKBtn->click();
    });
    const QImage im = QApplication::clipboard()->image();
    ASSERT_EQ(im.size(), f->PaintBox1->size());
    EXPECT_EQ(im.size(), QSize(320, 240));
    const QRgb blanc = qRgb(255, 255, 255); // point 1 and the axes, by default
    EXPECT_EQ(im.pixel(100, 100), blanc);
    EXPECT_EQ(im.pixel(151, 60), blanc);
    EXPECT_EQ(im.pixel(0, 120), blanc); // vertical axis through the origin (0, 239)
    EXPECT_EQ(im.pixel(200, 200), qRgb(200, 220, 255));
    // The picture's formats on the clipboard.
    const QMimeData* m = QApplication::clipboard()->mimeData();
    EXPECT_TRUE(m->hasImage());
}

TEST(PressePapierFenetre, PictureAsOnScreenWithTheImageAndTheMagnifier) {
    auto f = avecClip();
    f->show();
    clic(*f, 100, 100);
    attendreAffichage();
    const QImage video = f->MediaPlayer1->imageAffichee().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(video.size(), QSize(320, 240)); // shown at 100 %
    // The magnifier panel standing over part of the image area.
    f->loupePnl->setAutoFillBackground(true);
    QPalette p = f->loupePnl->palette();
    p.setColor(QPalette::Window, QColor(255, 0, 255));
    f->loupePnl->setPalette(p);
    // The point checked below falls on the panel's frame (its picture changes with the mouse).
    const QPoint coin = f->PaintBox1->mapTo(f.get(), QPoint(218, 150));
    f->loupePnl->setGeometry(QRect(coin, QSize(60, 50)));
    f->loupePnl->show();
    f->loupePnl->raise();
    attendreAffichage();
    commande(*f, "bbtnCopierGraphiquePP", [](QWidget* w) {
        auto* d = qobject_cast<TSauveGraphicPPBox*>(w);
        d->rbInclure->click();
        EXPECT_FALSE(d->btnCouleurFond->isEnabled());
        EXPECT_FALSE(d->shpCouleurFond->property("rempli").toBool());
        d->OKBtn->click();
    });
    const QImage im = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(im.size(), QSize(320, 240));
    EXPECT_EQ(im.pixel(100, 100), qRgb(255, 255, 255)); // the mark over the clip image
    // Elsewhere, the clip's own picture.
    for (QPoint q : {QPoint(40, 40), QPoint(300, 20), QPoint(160, 200)})
        EXPECT_EQ(im.pixel(q), video.pixel(q)) << q.x() << "," << q.y();
    EXPECT_EQ(im.pixel(220, 170), qRgb(255, 0, 255)); // the magnifier
    // Back to "Exclure l'image": the button and the filled rectangle return.
    commande(*f, "bbtnCopierGraphiquePP", [](QWidget* w) {
        auto* d = qobject_cast<TSauveGraphicPPBox*>(w);
        EXPECT_TRUE(d->rbInclure->isChecked()); // kept from last time
        d->rbExclure->click();
        EXPECT_TRUE(d->btnCouleurFond->isEnabled());
        EXPECT_TRUE(d->shpCouleurFond->property("rempli").toBool());
        d->CancelBtn->click();
    });
}

TEST(PressePapierFenetre, BackgroundOnlyWithoutAxesOrPointsAndSizeOfTheDisplay) {
    auto f = avecClip();
    f->aspect->chkBoxAxDed->click(); // axes hidden
    ASSERT_FALSE(f->aspect->pointDessine(0));
    // Half-size display, as the display size command leaves it.
    f->vue.largeurAff = 160;
    f->vue.hauteurAff = 120;
    f->PaintBox1->setGeometry(4, 4, 160, 120);
    f->MediaPlayer1->setRectangleAffichage(QRect(4, 4, 160, 120));
    commande(*f, "bbtnCopierGraphiquePP",
             [](QWidget* w) { qobject_cast<TSauveGraphicPPBox*>(w)->OKBtn->click(); });
    const QImage im = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(im.size(), QSize(160, 120));
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            ASSERT_EQ(im.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
}
