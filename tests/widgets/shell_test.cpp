#include "support/mainformfixture.h"

#include <QTabWidget>

TEST_F(MainFormTest, StartsWithFivePagesAndAWhiteImage) {
    ASSERT_EQ(form->PageControl2->count(), 5);
    EXPECT_EQ(form->PageControl2->tabText(0), QStringLiteral("Scannen"));
    EXPECT_EQ(form->PageControl2->tabText(4), QStringLiteral("Drucken"));
    EXPECT_EQ(form->PageControl2->currentIndex(), 0);
    EXPECT_EQ(form->currentImage.width(), 320);
    EXPECT_EQ(form->currentImage.height(), 200);
    EXPECT_EQ(form->currentImage.bitCount(), 24);
    EXPECT_EQ(getpixel(form->currentImage, 17, 99), 0x00FFFFFFu);
    EXPECT_EQ(form->markedRegion, (MarkedRegion{0, 0, 319, 199}));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Varnelt Morvanthelquistradibenzor 1.0 - [Unbenannt.cov]"));
}
