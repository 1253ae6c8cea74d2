#include "CTerrainViewCtrl.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>

#include "CTerrainViewPropPage.h"
#include "ControlLibrary.h"
#include "ControlRegistry.h"
#include "MouseEventRecorder.h"
#include "MulFiles.h"
#include "TempFolder.h"
#include "TerrainViewEntryPoints.h"

namespace kaj::terrain {
namespace {

using kaj::testing::TempFolder;

struct TerrainViewFixture : ::testing::Test {
    TempFolder client;
    std::unique_ptr<CTerrainViewCtrl> control;

    void SetUp() override {
        // A map of the first two block columns, enough for heights and a picture.
        kaj::testing::Bytes map(2 * 512 * 196, 0);
        map[100352 + 33] = 42;
        kaj::testing::writeBytes(client / "map0.mul", map);
        control = std::make_unique<CTerrainViewCtrl>(client.path(), nullptr);
        control->resize(400, 300);
        control->show();
        paint();
    }
    void paint() {
        control->repaint();
        QCoreApplication::processEvents();
    }
    int renders() const { return control->renderCount(); }
};

TEST_F(TerrainViewFixture, DefaultsAndTheInvalidationRules) {
    EXPECT_EQ(control->ZoomLevel(), 0);
    EXPECT_EQ(control->xCenter(), 3072);
    EXPECT_EQ(control->yCenter(), 2048);
    EXPECT_FALSE(control->DrawStatics());
    EXPECT_EQ(control->buffer().width(), 400);
    EXPECT_EQ(control->buffer().height(), 296);
    const int before = renders();
    paint();
    EXPECT_EQ(renders(), before);

    control->setZoomLevel(0);  // the same level still redraws
    paint();
    EXPECT_EQ(renders(), before + 1);
    control->setXCenter(3072);  // unchanged
    control->setXCenter(6144);  // out of range
    control->setYCenter(-1);
    control->setDrawStatics(false);
    paint();
    EXPECT_EQ(renders(), before + 1);
    control->setXCenter(100);
    paint();
    EXPECT_EQ(renders(), before + 2);
    control->resize(320, 240);
    paint();
    EXPECT_EQ(renders(), before + 3);
    EXPECT_FALSE(control->isModified());
}

TEST_F(TerrainViewFixture, ZoomStepsStopAtTheirEndsAndOutOfRangeLevelsAreClamped) {
    control->setZoomLevel(8);
    control->ZoomIn();
    EXPECT_EQ(control->ZoomLevel(), 8);
    control->setZoomLevel(-4);
    control->ZoomOut();
    EXPECT_EQ(control->ZoomLevel(), -4);
    control->ZoomIn();
    EXPECT_EQ(control->ZoomLevel(), -3);
    control->setZoomLevel(12);
    EXPECT_EQ(control->ZoomLevel(), 8);
    control->setZoomLevel(-30);
    EXPECT_EQ(control->ZoomLevel(), -4);
}

TEST_F(TerrainViewFixture, SetCenterAndScrollKeepTheCentreInTheWorld) {
    control->SetCenter(6144, 10);
    control->SetCenter(-1, 10);
    EXPECT_EQ(control->xCenter(), 3072);
    control->SetCenter(6100, 4050);
    control->Scroll(2, 100);
    EXPECT_EQ(control->xCenter(), 6143);
    control->Scroll(4, 100);
    EXPECT_EQ(control->yCenter(), 4095);
    control->Scroll(7, 200);
    EXPECT_EQ(control->xCenter(), 5943);
    EXPECT_EQ(control->yCenter(), 3895);
    paint();
    const int before = renders();
    control->Scroll(8, 100);
    control->Scroll(3, 0);
    paint();
    EXPECT_EQ(renders(), before);
    std::int16_t x = 0, y = 0;
    control->GetCenter(x, y);
    EXPECT_EQ(x, 5943);
    EXPECT_EQ(y, 3895);
}

TEST_F(TerrainViewFixture, ConversionsUseTheCentreAndTheScale) {
    control->setZoomLevel(2);
    EXPECT_EQ(control->CtrlToMapX(0), 3022);
    EXPECT_EQ(control->MapToCtrlX(3072), 200);
    EXPECT_EQ(control->CtrlToMapY(150 + 8), 2050);
    control->setZoomLevel(-2);
    EXPECT_EQ(control->CtrlToMapX(200 + 10), 3072 + 40);
    EXPECT_EQ(control->MapToCtrlX(3072 + 41), 210);  // 41 / 4 truncated
    EXPECT_EQ(control->MapToCtrlY(2048 - 41), 150 - 10);
    control->setZoomLevel(0);
    std::int16_t x = 10, y = 20;
    control->CtrlToMap(x, y);
    EXPECT_EQ(x, 3072 - 190);
    EXPECT_EQ(y, 2048 - 130);
    control->MapToCtrl(x, y);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 20);
}

TEST_F(TerrainViewFixture, TheDispatchInterfaceHasSixteenMembersInOrder) {
    const char* names[] = {"ZoomLevel",  "xCenter",    "yCenter",    "DrawStatics",
                           "ZoomIn",     "ZoomOut",    "SetCenter",  "Scroll",
                           "CtrlToMap",  "MapToCtrl",  "GetCenter",  "CtrlToMapX",
                           "CtrlToMapY", "MapToCtrlX", "MapToCtrlY", "GetMapHeight"};
    const auto& dispatch = control->dispatch();
    for (int id = 1; id <= 16; ++id) {
        EXPECT_EQ(dispatch.idOf(names[id - 1]), id);
    }
    controls::AutomationValue result;
    std::vector<controls::AutomationValue> centre = {std::int16_t{0}, std::int16_t{0}};
    ASSERT_TRUE(dispatch.invoke(11, centre, result));
    EXPECT_EQ(controls::toInt16(centre[0]), 3072);
    EXPECT_EQ(controls::toInt16(centre[1]), 2048);
    ASSERT_TRUE(dispatch.invoke(16, {std::int16_t{9}, std::int16_t{1}}, result));
    EXPECT_EQ(controls::toInt16(result), 42);
    ASSERT_TRUE(dispatch.invoke(16, {std::int16_t{-1}, std::int16_t{1}}, result));
    EXPECT_EQ(controls::toInt16(result), 0);
    ASSERT_TRUE(dispatch.put(4, true));
    EXPECT_TRUE(control->DrawStatics());
    ASSERT_TRUE(dispatch.invoke(5, {}, result));
    EXPECT_EQ(control->ZoomLevel(), 1);
}

TEST_F(TerrainViewFixture, MouseEventsFollowTheKeyState) {
    kaj::testing::MouseEventRecorder recorder(control.get());
    auto& seen = recorder.seen;
    auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                    Qt::KeyboardModifiers mods) {
        QMouseEvent event(type, QPointF(30, 40), QPointF(30, 40), button, held, mods);
        QCoreApplication::sendEvent(control.get(), &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    send(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton | Qt::LeftButton,
         Qt::ShiftModifier);
    send(QEvent::MouseMove, Qt::NoButton, Qt::RightButton | Qt::MiddleButton,
         Qt::ShiftModifier | Qt::ControlModifier);
    send(QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, Qt::NoModifier);  // no event
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], (std::array<int, 5>{0, 1, 0, 30, 40}));
    EXPECT_EQ(seen[1], (std::array<int, 5>{2, 0, 0, 30, 40}));
    EXPECT_EQ(seen[2], (std::array<int, 5>{0, 2, 4, 30, 40}));
    EXPECT_EQ(seen[3], (std::array<int, 5>{1, 0x12, 4, 30, 40}));
}

TEST_F(TerrainViewFixture, PropertiesPersistInOrderWithVersionOneZero) {
    control->SetCenter(100, 200);
    control->setZoomLevel(-3);
    control->setDrawStatics(true);
    controls::PropertyBag bag;
    control->saveProperties(bag);
    EXPECT_EQ(bag.versionMajor, 1);
    EXPECT_EQ(bag.versionMinor, 0);
    CTerrainViewCtrl other(client.path(), nullptr);
    ASSERT_TRUE(other.loadProperties(bag));
    EXPECT_EQ(other.xCenter(), 100);
    EXPECT_EQ(other.yCenter(), 200);
    EXPECT_EQ(other.ZoomLevel(), -3);
    EXPECT_TRUE(other.DrawStatics());
}

TEST_F(TerrainViewFixture, ThePropertyPageChecksItsRangesAndReturnsTheFocus) {
    CTerrainViewPropPage page;
    page.show();
    EXPECT_EQ(page.drawStatics->text(), "&Draw Static Objects");
    page.loadFrom(*control);
    EXPECT_EQ(page.x->text(), "3072");
    page.x->setText("6145");
    page.activateWindow();
    const auto refused = page.applyTo(*control);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(*refused, "Please enter an integer between 0 and 6144 for X.");
    QCoreApplication::processEvents();
    EXPECT_TRUE(page.x->hasFocus() || QApplication::focusWidget() == nullptr);
    EXPECT_EQ(control->xCenter(), 3072);
    page.x->setText("6144");  // passes the page, then the property ignores it
    page.y->setText("10");
    page.zoom->setText("20");
    page.drawStatics->setChecked(true);
    EXPECT_FALSE(page.applyTo(*control).has_value());
    EXPECT_EQ(control->xCenter(), 3072);
    EXPECT_EQ(control->yCenter(), 10);
    EXPECT_EQ(control->ZoomLevel(), 8);
    EXPECT_TRUE(control->DrawStatics());
    page.y->setText("4097");
    EXPECT_EQ(page.applyTo(*control), "Please enter an integer between 0 and 4096 for Y.");
}

TEST(TerrainViewLibrary, RegistersItsClassesAndCreatesTheControlByProgramId) {
    auto& registry = controls::ControlRegistry::instance();
    std::string error;
    const auto library = controls::ControlLibrary::open(KAJ_TERRAINVIEW_LIBRARY, &error);
    ASSERT_TRUE(library.has_value()) << error;
    ASSERT_EQ(library->registerServer(), kSucceeded);
    EXPECT_EQ(registry.find("TERRAINVIEW.TerrainViewCtrl.1")->typeName, "TerrainView Control");
    EXPECT_EQ(registry.find("TERRAINVIEW.TerrainViewPropPage.1")->typeName,
              "TerrainView Property Page");
    {
        std::unique_ptr<QWidget> created(registry.create("TERRAINVIEW.TerrainViewCtrl.1", nullptr));
        ASSERT_NE(dynamic_cast<CTerrainViewCtrl*>(created.get()), nullptr);
        EXPECT_EQ(library->canUnloadNow(), kStillInUse);
    }
    EXPECT_EQ(library->canUnloadNow(), kSucceeded);
    EXPECT_EQ(library->unregisterServer(), kSucceeded);
}

}  // namespace
}  // namespace kaj::terrain
