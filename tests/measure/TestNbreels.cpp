#include "measure/Nbreels.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {
struct LocaleTemporaire {
    explicit LocaleTemporaire(QLocale::Language l) { QLocale::setDefault(QLocale(l)); }
    ~LocaleTemporaire() { QLocale::setDefault(QLocale(QLocale::C)); }
};
} // namespace

TEST(FormatReel, MantissaExponentAndSignPosition) {
    LocaleTemporaire c(QLocale::C);
    EXPECT_EQ(formatReel(2, 0.04L), " 4.00E-2");
    EXPECT_EQ(formatReel(2, 100.0L), " 1.00E+2");
    EXPECT_EQ(formatReel(2, 0.0L), " 0.00E+0");
    EXPECT_EQ(formatReel(2, -0.0L), " 0.00E+0");
    EXPECT_EQ(formatReel(2, -1234.5L), "-1.23E+3");
    EXPECT_EQ(formatReel(0, 0.01L), " 1E-2");
    EXPECT_EQ(formatReel(4, 1.0L), " 1.0000E+0");
    EXPECT_EQ(formatReel(2, 1.4142135623730950488L), " 1.41E+0");
}

TEST(FormatReel, HalvesAwayFromZeroAndCarryIntoExponent) {
    LocaleTemporaire c(QLocale::C);
    EXPECT_EQ(formatReel(1, 0.125L), " 1.3E-1"); // exact tie
    EXPECT_EQ(formatReel(1, -0.125L), "-1.3E-1");
    EXPECT_EQ(formatReel(2, 9.999L), " 1.00E+1");
    EXPECT_EQ(formatReel(0, 9.6L), " 1E+1");
    EXPECT_EQ(formatReel(2, 1e300L), " 1.00E+300");
}

TEST(FormatReel, LocaleSeparator) {
    LocaleTemporaire fr(QLocale::French);
    EXPECT_EQ(formatReel(2, 1.5L), " 1,50E+0");
    EXPECT_EQ(formatReel(0, 1.5L), " 2E+0");
}
