// A whole measurement on the demonstration clip, driven through the window as a teacher
// does it: open the clip, set the scale on the ruler, click the ball on every image, and
// read g back from the table.

#include "measure/PointageTest.h"

#include "model/Seance.h"
#include "tools/clipgen/ScenarioDemo.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <array>
#include <cmath>

using namespace pointage;

namespace {

QPoint pixel(const QPointF& p) {
    return QPoint(int(std::lround(p.x())), int(std::lround(p.y())));
}

double nombre(QString t) {
    bool ok = false;
    const double v = t.replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&ok);
    EXPECT_TRUE(ok) << t.toStdString();
    return v;
}

// Least squares y = a + b t + c t^2; returns {a, b, c}.
std::array<double, 3> parabole(const std::vector<double>& t, const std::vector<double>& y) {
    double s[5] = {}, r[3] = {};
    for (size_t i = 0; i < t.size(); ++i) {
        double p = 1;
        for (int k = 0; k < 5; ++k, p *= t[i]) {
            s[k] += p;
            if (k < 3) r[k] += p * y[i];
        }
    }
    double m[3][4] = {{s[0], s[1], s[2], r[0]}, {s[1], s[2], s[3], r[1]}, {s[2], s[3], s[4], r[2]}};
    for (int c = 0; c < 3; ++c) {
        for (int l = c + 1; l < 3; ++l) {
            const double q = m[l][c] / m[c][c];
            for (int k = c; k < 4; ++k)
                m[l][k] -= q * m[c][k];
        }
    }
    std::array<double, 3> x{};
    for (int l = 2; l >= 0; --l) {
        double v = m[l][3];
        for (int k = l + 1; k < 3; ++k)
            v -= m[l][k] * x[size_t(k)];
        x[size_t(l)] = v / m[l][l];
    }
    return x;
}

} // namespace

TEST(MesureComplete, TheBallsFallOnTheDemoClipGivesG) {
    auto f = demarrer();
    const QString chemin = clipstest::clip(QStringLiteral("demo.avi"), {"--demo"});
    ASSERT_FALSE(chemin.isEmpty());
    ASSERT_TRUE(f->clip->ouvrirClip(chemin));
    ASSERT_EQ(f->seance->clip().nbImages, demo::nbImages);
    f->show();

    // Scale: p1 on the ruler's 0 mark, p2 on its 1 m mark, distance 1 m.
    f->PageControl1->setCurrentWidget(f->tsEtalon);
    f->findChild<QRadioButton*>("rbEtalonSimu")->click();
    clic(*f, pixel(demo::regleBas()).x(), pixel(demo::regleBas()).y());
    f->findChild<QAbstractButton*>("chkBoxPt2")->click();
    clic(*f, pixel(demo::regleHaut()).x(), pixel(demo::regleHaut()).y());
    auto* edSi = f->findChild<QLineEdit*>("edSi");
    edSi->setFocus();
    edSi->selectAll();
    QTest::keyClicks(edSi, QStringLiteral("1"));
    f->findChild<QRadioButton*>("rbEtalonSimu")->setFocus(); // leaving the box
    EXPECT_EQ(f->seance->etalonnage().p1, pixel(demo::regleBas()));
    EXPECT_EQ(f->seance->etalonnage().p2, pixel(demo::regleHaut()));
    EXPECT_NEAR(double(f->seance->etalonnage().echelle), 1.0 / demo::pixelsParMetre, 1e-12);

    // Measuring: back to "Mesures", one point per image, automatic advance on.
    f->PageControl1->setCurrentWidget(f->tsMesures);
    ASSERT_FALSE(f->findChild<QRadioButton*>("rbEtalonSimu")->isChecked());
    for (int i = 0; i < demo::nbImages; ++i) {
        ASSERT_EQ(f->vue.noImage, i);
        const QPoint p = pixel(demo::centreBalle(i));
        clic(*f, p.x(), p.y());
    }
    EXPECT_EQ(f->vue.noImage, demo::nbImages - 1);

    std::vector<double> t, x, y;
    for (int r = 1; r <= demo::nbImages; ++r) {
        t.push_back(nombre(m(*f, 0, r)));
        x.push_back(nombre(m(*f, 1, r)));
        y.push_back(nombre(m(*f, 2, r)));
    }
    EXPECT_NEAR(t[1] - t[0], 1.0 / demo::cadence, 1e-9);
    const auto coef = parabole(t, y);
    const auto cx = parabole(t, x);
    const double g = -2 * coef[2];
    EXPECT_NEAR(g, demo::g, 0.01 * demo::g);
    EXPECT_NEAR(cx[1], demo::vx0, 0.01 * demo::vx0);
    EXPECT_NEAR(coef[1], demo::vy0, 0.01 * demo::vy0);
}
