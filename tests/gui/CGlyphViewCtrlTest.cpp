#include "CGlyphViewCtrl.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>

#include "CGlyphViewPropPage.h"
#include "ClientDataWriter.h"
#include "Colour555.h"
#include "ControlLibrary.h"
#include "ControlRegistry.h"
#include "GlyphViewEntryPoints.h"
#include "MouseEventRecorder.h"
#include "TempFolder.h"

namespace kaj::glyph {
namespace {

using kaj::testing::TempFolder;

struct GlyphViewFixture : ::testing::Test {
    TempFolder client;
    std::unique_ptr<CGlyphViewCtrl> control;

    void SetUp() override {
        clientdata::writeClientData(client.path(), {});
        control = std::make_unique<CGlyphViewCtrl>(client.path(), nullptr);
        control->resize(103, 50);
        control->show();
        paint();
    }
    void paint() {
        control->repaint();
        QCoreApplication::processEvents();
    }
    int renders() const { return control->renderCount(); }
};

TEST_F(GlyphViewFixture, DrawsIntoAWholeEightPixelBufferOnceUntilSomethingChanges) {
    EXPECT_EQ(control->buffer().width(), 96);
    EXPECT_EQ(control->buffer().height(), 48);
    EXPECT_TRUE(control->isRendered());
    EXPECT_FALSE(control->isModified());
    const int before = renders();
    paint();
    EXPECT_EQ(renders(), before);  // repainting copies the kept buffer

    control->setArtType(0);  // the same value: nothing to do
    EXPECT_FALSE(control->isModified());
    paint();
    EXPECT_EQ(renders(), before);

    control->setArtColor(0);  // the same value still redraws
    EXPECT_TRUE(control->isModified());
    paint();
    EXPECT_EQ(renders(), before + 1);
    EXPECT_FALSE(control->isModified());

    control->setArtIndex(0);
    paint();
    EXPECT_EQ(renders(), before + 1);
    control->setArtIndex(1);
    paint();
    EXPECT_EQ(renders(), before + 2);

    control->SetObject(0, 1);  // always
    paint();
    EXPECT_EQ(renders(), before + 3);

    control->resize(120, 64);
    paint();
    EXPECT_EQ(renders(), before + 4);
    EXPECT_EQ(control->buffer().width(), 120);
    EXPECT_EQ(control->buffer().height(), 64);

    QPalette palette = control->palette();
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    control->setPalette(palette);  // an ambient change
    paint();
    EXPECT_EQ(renders(), before + 5);
    EXPECT_EQ(control->buffer().at(0, 0), 30u * 65536u + 20u * 256u + 10u);  // the button face
}

TEST_F(GlyphViewFixture, DrawingResetsTheHueOfTypesThatTakeNone) {
    control->SetObject(3, 0);
    control->setArtColor(5);
    EXPECT_EQ(control->ArtColor(), 5);
    paint();
    EXPECT_EQ(control->ArtColor(), 0);
    control->SetObject(0, 1);
    control->setArtColor(5);
    paint();
    EXPECT_EQ(control->ArtColor(), 5);
}

TEST_F(GlyphViewFixture, TheDispatchInterfaceReachesEveryMemberByNameAndId) {
    const auto& dispatch = control->dispatch();
    EXPECT_EQ(dispatch.idOf("ArtType"), 1);
    EXPECT_EQ(dispatch.idOf("artindex"), 2);
    EXPECT_EQ(dispatch.idOf("ArtColor"), 3);
    EXPECT_EQ(dispatch.idOf("SetObject"), 4);
    controls::AutomationValue result;
    ASSERT_TRUE(dispatch.invoke(4, {std::int16_t{4}, std::int32_t{3}}, result));
    controls::AutomationValue type;
    ASSERT_TRUE(dispatch.get(1, type));
    EXPECT_EQ(controls::toInt16(type), 4);
    EXPECT_TRUE(dispatch.put(2, std::int32_t{-1}));  // a negative index acts as a huge one
    controls::AutomationValue index;
    ASSERT_TRUE(dispatch.get(2, index));
    EXPECT_EQ(controls::toInt32(index), -1);
    paint();
    EXPECT_EQ(control->buffer().at(48, 24), control->buffer().at(0, 0));  // only the background
    EXPECT_FALSE(dispatch.invoke(4, {std::int16_t{1}}, result));          // wrong argument count
    EXPECT_FALSE(dispatch.put(99, std::int16_t{1}));
    controls::AutomationValue ready;
    ASSERT_TRUE(dispatch.get(*dispatch.idOf("ReadyState"), ready));
    EXPECT_EQ(controls::toInt32(ready), CGlyphViewCtrl::kReadyStateComplete);
}

TEST_F(GlyphViewFixture, SetObjectShowsALandTile) {
    control->SetObject(4, 3);
    paint();
    EXPECT_EQ(control->ArtType(), 4);
    EXPECT_NE(control->buffer().at(48, 24), control->buffer().at(0, 0));
}

TEST_F(GlyphViewFixture, MouseEventsReportButtonsShiftAndPixels) {
    kaj::testing::MouseEventRecorder recorder(control.get());
    auto& seen = recorder.seen;
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(10, 12), QPointF(10, 12), Qt::RightButton,
                     Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    QCoreApplication::sendEvent(control.get(), &down);
    QMouseEvent move(QEvent::MouseMove, QPointF(11, 13), QPointF(11, 13), Qt::NoButton,
                     Qt::RightButton | Qt::LeftButton, Qt::AltModifier);
    QCoreApplication::sendEvent(control.get(), &move);
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(12, 14), QPointF(12, 14), Qt::MiddleButton,
                   Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control.get(), &up);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], (std::array<int, 5>{0, 2, 3, 10, 12}));
    EXPECT_EQ(seen[1], (std::array<int, 5>{1, 3, 4, 11, 13}));
    EXPECT_EQ(seen[2], (std::array<int, 5>{2, 4, 0, 12, 14}));
}

TEST_F(GlyphViewFixture, ReadyStateChangeComesOnceTheHostCanHearIt) {
    auto fresh = std::make_unique<CGlyphViewCtrl>(client.path(), nullptr);
    int reported = 0;
    QObject::connect(fresh.get(), &CGlyphViewCtrl::ReadyStateChange,
                     [&](int state) { reported = state; });
    QCoreApplication::processEvents();
    EXPECT_EQ(reported, CGlyphViewCtrl::kReadyStateComplete);
}

TEST_F(GlyphViewFixture, PropertiesPersistWithTheirFormatVersion) {
    control->SetObject(1, 400);
    control->setArtColor(-2);
    controls::PropertyBag bag;
    control->saveProperties(bag);
    EXPECT_EQ(bag.versionMajor, 1);
    EXPECT_EQ(bag.versionMinor, 1);
    CGlyphViewCtrl other(client.path(), nullptr);
    ASSERT_TRUE(other.loadProperties(bag));
    EXPECT_EQ(other.ArtType(), 1);
    EXPECT_EQ(other.ArtIndex(), 400);
    EXPECT_EQ(static_cast<std::uint16_t>(other.ArtColor()), 65534);
    bag.versionMajor = 2;
    EXPECT_FALSE(other.loadProperties(bag));
    controls::PropertyBag empty{1, 0, {}};
    ASSERT_TRUE(other.loadProperties(empty));
    EXPECT_EQ(other.ArtType(), 0);
}

TEST_F(GlyphViewFixture, ThePropertyPageEditsTheThreeProperties) {
    CGlyphViewPropPage page;
    EXPECT_EQ(page.windowTitle(), "General");
    ASSERT_EQ(page.artType->count(), 8);
    EXPECT_EQ(page.artType->itemText(6), "CharTests");
    EXPECT_EQ(page.artType->currentIndex(), -1);
    control->SetObject(5, 2);
    page.loadFrom(*control);
    EXPECT_EQ(page.artType->currentIndex(), 5);
    EXPECT_EQ(page.artIndex->text(), "2");
    page.artType->setCurrentIndex(7);
    page.artIndex->setText("4294967295");
    page.colour->setText("12");
    EXPECT_FALSE(page.applyTo(*control).has_value());
    EXPECT_EQ(control->ArtType(), 7);
    EXPECT_EQ(static_cast<std::uint32_t>(control->ArtIndex()), 4294967295u);
    EXPECT_EQ(control->ArtColor(), 12);
    page.artIndex->setText("-3");
    EXPECT_EQ(page.applyTo(*control), "Art Index must be a whole number from 0 to 4294967295.");
    EXPECT_EQ(static_cast<std::uint32_t>(control->ArtIndex()), 4294967295u);
}

TEST(GlyphViewLibrary, RegistersItsClassesAndCreatesTheControlByProgramId) {
    auto& registry = controls::ControlRegistry::instance();
    std::string error;
    const auto library = controls::ControlLibrary::open(KAJ_GLYPHVIEW_LIBRARY, &error);
    ASSERT_TRUE(library.has_value()) << error;
    ASSERT_EQ(library->registerServer(), kSucceeded);
    const auto entry = registry.find("GLYPHVIEW.GlyphViewCtrl.1");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->typeName, "GlyphView Control");
    EXPECT_EQ(entry->categories.size(), 2u);
    EXPECT_EQ(registry.find("GLYPHVIEW.GlyphViewPropPage.1")->typeName, "GlyphView Property Page");
    EXPECT_EQ(library->canUnloadNow(), kSucceeded);
    {
        std::unique_ptr<QWidget> created(registry.create("GLYPHVIEW.GlyphViewCtrl.1", nullptr));
        ASSERT_NE(dynamic_cast<CGlyphViewCtrl*>(created.get()), nullptr);
        EXPECT_EQ(library->canUnloadNow(), kStillInUse);
    }
    EXPECT_EQ(library->canUnloadNow(), kSucceeded);
    std::unique_ptr<QWidget> page(library->create("GLYPHVIEW.GlyphViewPropPage.1", nullptr));
    EXPECT_NE(dynamic_cast<CGlyphViewPropPage*>(page.get()), nullptr);
    EXPECT_EQ(library->create("OTHER.Control.1", nullptr), nullptr);
    EXPECT_EQ(library->unregisterServer(), kSucceeded);
    EXPECT_FALSE(registry.find("GLYPHVIEW.GlyphViewCtrl.1").has_value());
    EXPECT_EQ(library->unregisterServer(), kClassFailed);
}

}  // namespace
}  // namespace kaj::glyph
