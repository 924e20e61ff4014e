#include "aides/ClipsTest.h"
#include "app/Demarrage.h"
#include "clip/ControleurClip.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

// Every caption of the three tabs must be readable whole, whatever the window's size: a
// text wider than its control, or a control that reaches past the edge of what holds it,
// shows only part of its words. Scrolling vertically is fine, cutting is not.
namespace {

QString nom(const QWidget* w) {
    QString texte;
    if (auto* l = qobject_cast<const QLabel*>(w)) texte = l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) texte = b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) texte = g->title();
    return QStringLiteral("%1 \"%2\"").arg(w->objectName(), texte);
}

QString taille(QSize s) {
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

bool estVueDefilante(const QWidget* w) {
    auto* zone =
        w->parentWidget() ? qobject_cast<const QAbstractScrollArea*>(w->parentWidget()) : nullptr;
    return zone != nullptr && zone->viewport() == w;
}

// The size the control needs to show its text whole; a control that wraps its text may be
// narrower than its one-line width as long as it is tall enough for its lines.
QString manque(const QWidget* w) {
    QSize besoin = w->sizeHint();
    if (w->hasHeightForWidth())
        besoin = QSize(w->minimumSizeHint().width(), w->heightForWidth(w->width()));
    else if (qobject_cast<const QGroupBox*>(w) != nullptr)
        besoin = w->minimumSizeHint(); // its title and the least its contents need
    if (w->width() < besoin.width() || w->height() < besoin.height())
        return QStringLiteral("%1 is %2, needs %3").arg(nom(w), taille(w->size()), taille(besoin));
    return {};
}

// The first enclosing control, up to the page, that does not hold w whole. A scroll
// area's view holds a control that is only scrolled out vertically; the view itself must
// then lie whole in what holds it.
QString coupe(const QWidget* w, const QWidget* page) {
    const QWidget* tenu = w;
    for (const QWidget* a = w->parentWidget(); a != nullptr; a = a->parentWidget()) {
        const QRect r(tenu->mapTo(a, QPoint(0, 0)), tenu->size());
        const bool vue = estVueDefilante(a);
        const bool dedans = vue ? r.left() >= 0 && r.right() < a->width() : a->rect().contains(r);
        if (!dedans)
            return QStringLiteral("%1 at %2,%3 %4 is cut by %5 (%6)")
                .arg(nom(tenu))
                .arg(r.x())
                .arg(r.y())
                .arg(taille(r.size()), a->objectName(), taille(a->size()));
        if (vue) tenu = a;
        if (a == page) break;
    }
    return {};
}

QStringList legendesCoupees(QWidget* page) {
    QStringList fautes;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(page)) continue;
        const bool aTexte =
            (qobject_cast<QLabel*>(w) && !nom(w).endsWith(" \"\"")) ||
            (qobject_cast<QAbstractButton*>(w) &&
             !static_cast<QAbstractButton*>(w)->text().isEmpty()) ||
            (qobject_cast<QGroupBox*>(w) && !static_cast<QGroupBox*>(w)->title().isEmpty());
        if (!aTexte) continue;
        for (const QString& faute : {manque(w), coupe(w, page)})
            if (!faute.isEmpty()) fautes << faute;
    }
    // A tool bar too narrow for its buttons hides the last ones behind an arrow.
    for (QToolBar* barre : page->findChildren<QToolBar*>())
        for (QAction* a : barre->actions())
            if (QWidget* b = barre->widgetForAction(a); b != nullptr && !b->isVisibleTo(barre))
                fautes
                    << QStringLiteral("%1 hidden in %2").arg(b->objectName(), barre->objectName());
    return fautes;
}

// Each tab title whole and inside the tab bar, the bar inside the page control.
QStringList titresCoupes(QTabWidget* onglets) {
    QStringList fautes;
    QTabBar* barre = onglets->tabBar();
    const QSize besoin = barre->sizeHint();
    if (barre->width() < besoin.width() || barre->height() < besoin.height())
        fautes
            << QStringLiteral("tab bar is %1, needs %2").arg(taille(barre->size()), taille(besoin));
    if (!onglets->rect().contains(barre->geometry()))
        fautes << QStringLiteral("tab bar is cut by the page control");
    for (int i = 0; i < barre->count(); ++i)
        if (!barre->rect().contains(barre->tabRect(i)))
            fautes << QStringLiteral("tab \"%1\" is cut").arg(barre->tabText(i));
    return fautes;
}

QStringList tout(TForm1& f) {
    QStringList fautes = titresCoupes(f.PageControl1);
    for (QWidget* page : {f.tsMesures, f.tsEtalon, f.tsProClip}) {
        f.PageControl1->setCurrentWidget(page);
        QTest::qWait(60); // layouts and the 40 ms redraw
        for (const QString& faute : legendesCoupees(page))
            fautes << page->objectName() + ": " + faute;
    }
    f.PageControl1->setCurrentWidget(f.tsMesures);
    return fautes;
}

} // namespace

TEST(LegendesEntieres, EveryCaptionOfTheTabsIsWholeAtTheUsualSizes) {
    const QString chemin =
        clipstest::clip("legendes320.avi", {"--size", "320x240", "--frames", "3"});
    ASSERT_FALSE(chemin.isEmpty()) << "clipgen";
    // The normal size, then maximised on 1366 x 768 and 1920 x 1080 screens (what is left
    // once a 48-pixel task bar and a 32-pixel title bar are taken off).
    for (const QSize fenetre : {QSize(620, 465), QSize(1366, 688), QSize(1920, 1000)}) {
        SCOPED_TRACE(taille(fenetre).toStdString());
        auto f = demarrer();
        f->resize(fenetre);
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
        QTest::qWait(20);
        // The tabs' contents never force the window to grow.
        EXPECT_EQ(f->size(), fenetre);

        QStringList fautes = tout(*f);
        EXPECT_TRUE(fautes.isEmpty()) << "before any clip:\n" << fautes.join('\n').toStdString();

        ASSERT_TRUE(f->clip->ouvrirClip(chemin));
        f->clip->OpenDialog1SelectionChange(chemin); // the properties of the clip chosen
        // The clip side keeps its share of the width: a small clip still fits at 100 %.
        EXPECT_EQ(f->vue.taillePc, 100);
        fautes = tout(*f);
        EXPECT_TRUE(fautes.isEmpty()) << "with a clip open:\n" << fautes.join('\n').toStdString();

        // Choosing the scale shows the guide of its four steps.
        f->PageControl1->setCurrentWidget(f->tsEtalon);
        QTest::qWait(20);
        auto* echelle = f->tsEtalon->findChild<QAbstractButton*>("rbEtalonSimu");
        ASSERT_NE(echelle, nullptr);
        echelle->click();
        QTest::qWait(60);
        ASSERT_TRUE(f->tsEtalon->findChild<QWidget*>("pnlEchEtap")->isVisibleTo(f->tsEtalon));
        fautes = legendesCoupees(f->tsEtalon);
        EXPECT_TRUE(fautes.isEmpty()) << "scale steps:\n" << fautes.join('\n').toStdString();
    }
}
