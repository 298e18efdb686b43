#include <QListWidget>
#include <QTest>

#include "window_fixture.h"

namespace zrv::test {
namespace {

using Lines = std::vector<std::string>;

class HelpMenuTest : public WindowTest {
  protected:
    QList<QWidget*> referenceWindows() const {
        return window_->findChildren<QWidget*>(QStringLiteral("HILFE_GERBER"));
    }
};

TEST_F(HelpMenuTest, ReferenceWindowOpensOnceAndIsBuiltAnewAfterClosing) {
    open();
    trigger("HILFE_GERBER_PROTOKOLL");
    trigger("HILFE_GERBER_PROTOKOLL");
    ASSERT_EQ(referenceWindows().size(), 1);
    QWidget* reference = referenceWindows().front();
    EXPECT_TRUE(reference->isVisible());
    EXPECT_EQ(reference->windowTitle(), QStringLiteral("Gerber-Protokoll"));
    auto* list = reference->findChild<QListWidget*>(QStringLiteral("List1"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 155) << "the second click does not fill it again";
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("G-Befehle (Wegfunktionen)"));
    EXPECT_EQ(list->item(154)->text(), QStringLiteral("$-Satzende"));

    reference->close();
    trigger("HILFE_GERBER_PROTOKOLL");
    ASSERT_EQ(referenceWindows().size(), 1);
    list = referenceWindows().front()->findChild<QListWidget*>(QStringLiteral("List1"));
    EXPECT_EQ(list->count(), 155);
    EXPECT_TRUE(referenceWindows().front()->isVisible());
    EXPECT_TRUE(listLines().empty() || listLines().front() != "G-Befehle (Wegfunktionen)")
        << "the main window's list is not used";
}

// Twips at 15 to the pixel, rounded.
constexpr int pixels(int twips) {
    return (twips + 7) / 15;
}

// The design: client area 16488 x 9528 twips, the list at 120, 480 sized 16092 x 8928.
TEST_F(HelpMenuTest, ReferenceListSitsAtItsDesignPlace) {
    open();
    trigger("HILFE_GERBER_PROTOKOLL");
    ASSERT_EQ(referenceWindows().size(), 1);
    QWidget* reference = referenceWindows().front();
    EXPECT_EQ(reference->size(), QSize(pixels(16488), pixels(9528)));
    const auto* list = reference->findChild<QListWidget*>(QStringLiteral("List1"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->geometry(), QRect(pixels(120), pixels(480), pixels(16092), pixels(8928)));
}

TEST_F(HelpMenuTest, TablesReplaceWhatTheListShowed) {
    open();
    trigger("Koordinaten_PUNKTE");
    trigger("MENUE_HILFE_ZOLLmm");
    Lines lines = listLines();
    ASSERT_EQ(lines.size(), 46u);
    EXPECT_EQ(lines.front(), "0,020 ''   =0,5mm");
    EXPECT_EQ(lines.back(), "0,197 ''   =5,0mm");

    trigger("MENUE_HILFE_KENNDATEN");
    lines = listLines();
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), ""), 3);
    EXPECT_EQ(lines.front(), "1 Umdrehung = 4mm");
}

TEST_F(HelpMenuTest, InchTableFollowsTheLocale) {
    open(setup(kCLocale));
    trigger("MENUE_HILFE_ZOLLmm");
    EXPECT_EQ(listLines().back(), "0.197 ''   =5.0mm");
}

}  // namespace
}  // namespace zrv::test
