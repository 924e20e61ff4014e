#include "app/Demarrage.h"

#include <gtest/gtest.h>

TEST(Demarrage, MainWindowAndDialogsExist) {
    auto f = demarrer();
    EXPECT_EQ(f->objectName(), "TForm1");
    EXPECT_NE(f->findChild<QWidget*>("TalleraDlg"), nullptr);
    EXPECT_NE(f->findChild<QWidget*>("PaintBox1"), nullptr);
}
