#include "measure/Nbreels.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Runs every case under both decimal separators of the locale.
class Nbreels : public ::testing::TestWithParam<QLocale::Language> {
protected:
    void SetUp() override {
        ancienne = QLocale();
        QLocale::setDefault(QLocale(
            GetParam(), GetParam() == QLocale::French ? QLocale::France : QLocale::UnitedStates));
        sep = GetParam() == QLocale::French ? QStringLiteral(",") : QStringLiteral(".");
    }
    void TearDown() override { QLocale::setDefault(ancienne); }
    // The expected text written with "." and adapted to the locale's separator.
    QString attendu(const char* t) const { return QString::fromUtf8(t).replace(".", sep); }

    QLocale ancienne;
    QString sep;
};

TEST_P(Nbreels, ExemplesDuFormat) {
    EXPECT_EQ(formatReel(2, 0.0123L), attendu(" 1.23E-2"));
    EXPECT_EQ(formatReel(2, -0.5L), attendu("-5.00E-1"));
    EXPECT_EQ(formatReel(2, 0.0L), attendu(" 0.00E+0"));
    EXPECT_EQ(formatReel(2, 1234.5L), attendu(" 1.23E+3"));
    EXPECT_EQ(formatReel(2, 9.999L), attendu(" 1.00E+1"));
    EXPECT_EQ(formatReel(0, 0.0123L), attendu(" 1E-2"));
    EXPECT_EQ(formatReel(2, std::sqrt(2.0L)), attendu(" 1.41E+0"));
    EXPECT_EQ(formatReel(2, 100.0L), attendu(" 1.00E+2"));
    EXPECT_EQ(formatReel(2, 0.04L), attendu(" 4.00E-2"));
    EXPECT_EQ(formatReel(2, -1234.5L), attendu("-1.23E+3"));
    EXPECT_EQ(formatReel(0, 1.5L), attendu(" 2E+0"));
    EXPECT_EQ(formatReel(1, -0.125L), attendu("-1.3E-1"));
}

TEST_P(Nbreels, DecimalesDeZeroAQuatre) {
    const long double x = 0.000123456789L;
    EXPECT_EQ(formatReel(0, x), attendu(" 1E-4"));
    EXPECT_EQ(formatReel(1, x), attendu(" 1.2E-4"));
    EXPECT_EQ(formatReel(2, x), attendu(" 1.23E-4"));
    EXPECT_EQ(formatReel(3, x), attendu(" 1.235E-4"));
    EXPECT_EQ(formatReel(4, x), attendu(" 1.2346E-4"));
    EXPECT_EQ(formatReel(4, -987654.321L), attendu("-9.8765E+5"));
    EXPECT_EQ(formatReel(0, 0.0L), attendu(" 0E+0"));
    EXPECT_EQ(formatReel(4, 0.0L), attendu(" 0.0000E+0"));
}

// Halves go away from zero on the decimal value, whichever side of it the binary value lies.
TEST_P(Nbreels, DeChaqueCoteDUneLimiteDArrondi) {
    EXPECT_EQ(formatReel(2, 1.2349999L), attendu(" 1.23E+0"));
    EXPECT_EQ(formatReel(2, 1.235L), attendu(" 1.24E+0"));
    EXPECT_EQ(formatReel(2, 1.2350001L), attendu(" 1.24E+0"));
    EXPECT_EQ(formatReel(2, -1.235L), attendu("-1.24E+0"));
    EXPECT_EQ(formatReel(1, 0.125L), attendu(" 1.3E-1"));      // exact half
    EXPECT_EQ(formatReel(1, 0.0125L), attendu(" 1.3E-2"));     // half not held exactly
    EXPECT_EQ(formatReel(1, 5 * 0.0025L), attendu(" 1.3E-2")); // computed
    EXPECT_EQ(formatReel(0, 2.5L), attendu(" 3E+0"));
    EXPECT_EQ(formatReel(0, 2.4999L), attendu(" 2E+0"));
    EXPECT_EQ(formatReel(0, -2.5L), attendu("-3E+0"));
    EXPECT_EQ(formatReel(3, 1234.5L), attendu(" 1.235E+3"));
    EXPECT_EQ(formatReel(4, 0.123455L), attendu(" 1.2346E-1"));
    EXPECT_EQ(formatReel(4, 0.1234549L), attendu(" 1.2345E-1"));
}

TEST_P(Nbreels, MantisseQuiPasseADix) {
    EXPECT_EQ(formatReel(2, 9.995L), attendu(" 1.00E+1"));
    EXPECT_EQ(formatReel(2, 9.9949L), attendu(" 9.99E+0"));
    EXPECT_EQ(formatReel(0, 9.5L), attendu(" 1E+1"));
    EXPECT_EQ(formatReel(0, -9.5L), attendu("-1E+1"));
    EXPECT_EQ(formatReel(3, 0.99996L), attendu(" 1.000E+0"));
    EXPECT_EQ(formatReel(1, 99.96L), attendu(" 1.0E+2"));
    EXPECT_EQ(formatReel(2, 0.09999L), attendu(" 1.00E-1"));
}

TEST_P(Nbreels, ValeursEnormesEtMinuscules) {
    EXPECT_EQ(formatReel(2, 1.5e300L), attendu(" 1.50E+300"));
    EXPECT_EQ(formatReel(2, -1.234e-300L), attendu("-1.23E-300"));
    EXPECT_EQ(formatReel(2, 1e4000L), attendu(" 1.00E+4000"));
    EXPECT_EQ(formatReel(3, 6.0221e23L), attendu(" 6.022E+23"));
    EXPECT_EQ(formatReel(2, 1e-20L), attendu(" 1.00E-20"));
    EXPECT_EQ(formatReel(2, std::numeric_limits<long double>::max()), attendu(" 1.19E+4932"));
    EXPECT_EQ(formatReel(2, std::numeric_limits<long double>::denorm_min()),
              attendu(" 3.65E-4951"));
    // Every power of ten lands on a mantissa of exactly one.
    for (int e = -40; e <= 40; ++e) {
        const long double x = std::pow(10.0L, e);
        EXPECT_EQ(formatReel(2, x),
                  attendu(" 1.00E") + (e < 0 ? "-" : "+") + QString::number(std::abs(e)))
            << e;
    }
}

TEST_P(Nbreels, ZeroNegatifEtNonNombres) {
    EXPECT_EQ(formatReel(2, -0.0L), attendu(" 0.00E+0"));
    EXPECT_FALSE(estNegatif(-0.0L));
    EXPECT_FALSE(estNegatif(std::numeric_limits<long double>::quiet_NaN()));
    EXPECT_TRUE(estNegatif(-1e-4000L));
    EXPECT_FALSE(estNegatif(0.0L));
    EXPECT_TRUE(formatReel(2, std::numeric_limits<long double>::quiet_NaN()).startsWith(' '));
    EXPECT_TRUE(formatReel(2, -std::numeric_limits<long double>::infinity()).startsWith('-'));
    // Decimals outside what the table uses do not break the layout.
    EXPECT_EQ(formatReel(-3, 0.0123L), attendu(" 1E-2"));
}

TEST_P(Nbreels, FormatFixeDesDates) {
    const QChar s = sep.at(0);
    EXPECT_EQ(formatFixe(3, 0.0L, s), attendu("0.000"));
    EXPECT_EQ(formatFixe(3, 0.04L, s), attendu("0.040"));
    EXPECT_EQ(formatFixe(3, 2 * 0.04L, s), attendu("0.080"));
    EXPECT_EQ(formatFixe(0, 1.0L, s), attendu("1"));
    EXPECT_EQ(formatFixe(0, 0.5L, s), attendu("1"));
    EXPECT_EQ(formatFixe(0, 0.49L, s), attendu("0"));
    EXPECT_EQ(formatFixe(6, 0.0L, s), attendu("0.000000"));
    EXPECT_EQ(formatFixe(3, 0.0405L, s), attendu("0.041"));
    EXPECT_EQ(formatFixe(3, 0.0004L, s), attendu("0.000"));
    EXPECT_EQ(formatFixe(3, 0.0005L, s), attendu("0.001"));
    EXPECT_EQ(formatFixe(2, 1234567.891L, s), attendu("1234567.89"));
    EXPECT_EQ(formatFixe(1, 9.96L, s), attendu("10.0"));
    EXPECT_EQ(formatFixe(3, -0.04L, s), attendu("-0.040"));
    EXPECT_EQ(formatFixe(2, 1e20L, s), attendu("100000000000000000000.00"));
    EXPECT_EQ(formatFixe(6, 123456789012.5L, s), attendu("123456789012.500000"));
    EXPECT_EQ(formatFixe(3, 1e300L, s), "1" + QString(300, '0') + sep + "000");
    EXPECT_EQ(formatFixe(0, 12345678901234567.0L, s), attendu("12345678901234567"));
    EXPECT_EQ(decimalesMotif("0"), 0);
    EXPECT_EQ(decimalesMotif("0.000000"), 6);
    long double x = 0;
    ASSERT_TRUE(lireReel(formatFixe(3, 12.36L, s), x));
    EXPECT_NEAR(static_cast<double>(x), 12.36, 1e-12);
    EXPECT_FALSE(lireReel("abc", x));
}

// Against the C library's exact conversion (30 digits, then halves away from zero), over
// values spread across the whole range of exponents.
TEST(NbreelsReference, AccordAvecLaConversionExacte) {
    auto reference = [](int dec, long double x) {
        char b[80];
        std::snprintf(b, sizeof b, "%.30Le", fabsl(x));
        QString chiffres = QString(QChar(b[0])) + QString::fromLatin1(b + 2, 30);
        int exposant = std::atoi(std::strchr(b, 'e') + 1);
        // Round to dec + 1 digits, halves up on the magnitude.
        QString t = chiffres.left(dec + 1);
        if (chiffres.at(dec + 1) >= QChar('5')) {
            int i = dec;
            while (i >= 0 && t.at(i) == QChar('9'))
                t[i--] = QChar('0');
            if (i < 0) {
                t = "1" + t.left(dec);
                ++exposant;
            } else {
                t[i] = QChar(t.at(i).unicode() + 1);
            }
        }
        QString r = (x < 0 ? "-" : " ") + t.left(1);
        if (dec > 0) r += "." + t.mid(1);
        return r + "E" + (exposant < 0 ? "-" : "+") + QString::number(std::abs(exposant));
    };
    uint64_t graine = 12345;
    auto suivant = [&graine] {
        graine = graine * 6364136223846793005ULL + 1442695040888963407ULL;
        return graine >> 11;
    };
    for (int i = 0; i < 20000; ++i) {
        const long double m =
            static_cast<long double>(suivant()) / static_cast<long double>(1ULL << 53);
        const int e = static_cast<int>(suivant() % 200) - 100;
        const long double x = (i % 2 ? -1 : 1) * (m + 0.1L) * std::pow(10.0L, e);
        const int dec = static_cast<int>(i % 5);
        ASSERT_EQ(formatReel(dec, x, QChar('.')), reference(dec, x)) << static_cast<double>(x);
    }
}

INSTANTIATE_TEST_SUITE_P(DeuxSeparateurs, Nbreels,
                         ::testing::Values(QLocale::English, QLocale::French), [](const auto& i) {
                             return std::string(i.param == QLocale::French ? "virgule" : "point");
                         });

} // namespace
