#include "tests/support/TempFolder.h"
#include "tests/ui_qt/QtTestSupport.h"
#include "ui/Canvas.h"
#include "ui/Control.h"
#include "ui/ControlFactory.h"
#include "ui/LayoutBuilder.h"
#include "ui/PaintManager.h"
#include "ui/ResourceManager.h"
#include "ui/qt/QtEventLoop.h"
#include "ui/qt/QtFileDialogs.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtScreenshot.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace {

// Draws what a test asks for at the foreground stage, like the program's widgets do.
class Sketch : public ui::Control {
public:
    std::function<void(Sketch&, ui::Canvas&)> draw;
    bool DrawWith(ui::Canvas& canvas, std::string_view image, const ui::ImageTint* tint)
    {
        return DrawImage(canvas, image, tint);
    }

protected:
    void PaintForeImage(ui::Canvas& canvas) override
    {
        if (draw)
            draw(*this, canvas);
    }
};

class Render : public ::testing::Test {
protected:
    Render()
    {
        uiqt::Platform();
        ui::ResourceManager::Instance().Reset();
        ui::ResourceManager::Instance().SetSkinFolder(skin.path());
        ui::ResourceManager::Instance().Images().SetLoader(&uiqt::Platform().Images());
    }
    ~Render() override { ui::ResourceManager::Instance().Reset(); }

    void SaveImage(const std::string& name, const QImage& image) { ASSERT_TRUE(image.save(QString::fromStdString(skin / name), "PNG")); }
    // Builds a layout, lays it out at the size and paints it.
    QImage Paint(const std::string& xml, int width, int height, ui::Control** sketchOut = nullptr)
    {
        ui::LayoutBuilder builder;
        struct Factory : ui::ControlFactoryCallback {
            Sketch* made = nullptr;
            ui::Control* CreateControl(std::string_view tag) override
            {
                return tag == "Sketch" ? (made = new Sketch) : nullptr;
            }
        } factory;
        manager = std::make_unique<ui::PaintManager>();
        manager->AttachRoot(builder.BuildFromText(xml, manager.get(), &factory));
        sketch = factory.made;
        if (sketchOut)
            *sketchOut = sketch;
        manager->SetClientSize({width, height});
        return ui::QtScreenshot::Capture(*manager);
    }
    static QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

    TempFolder skin;
    std::unique_ptr<ui::PaintManager> manager;
    Sketch* sketch = nullptr;
};

::testing::AssertionResult Near(const QColor& got, const QColor& want, int tolerance = 2)
{
    if (std::abs(got.red() - want.red()) <= tolerance && std::abs(got.green() - want.green()) <= tolerance &&
        std::abs(got.blue() - want.blue()) <= tolerance && std::abs(got.alpha() - want.alpha()) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << got.name(QColor::HexArgb).toStdString() << ", want "
                                         << want.name(QColor::HexArgb).toStdString();
}

TEST_F(Render, NineSliceCornersKeepTheirSizeWhenStretched)
{
    // 30 x 30: red corners of 10, green edges, blue middle.
    QImage nine(30, 30, QImage::Format_ARGB32);
    nine.fill(QColor(0, 0, 255));
    QPainter p(&nine);
    p.fillRect(10, 0, 10, 30, QColor(0, 255, 0));
    p.fillRect(0, 10, 30, 10, QColor(0, 255, 0));
    p.fillRect(10, 10, 10, 10, QColor(0, 0, 255));
    for (QPoint corner : {QPoint(0, 0), QPoint(20, 0), QPoint(0, 20), QPoint(20, 20)})
        p.fillRect(QRect(corner, QSize(10, 10)), QColor(255, 0, 0));
    p.end();
    SaveImage("nine.png", nine);
    QImage out = Paint(R"(<VerticalLayout><Control bkimage="file='nine.png' corner='10,10,10,10'"/></VerticalLayout>)", 200, 100);
    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255);
    EXPECT_TRUE(Near(At(out, 0, 0), red));
    EXPECT_TRUE(Near(At(out, 9, 9), red));
    EXPECT_TRUE(Near(At(out, 190, 90), red));
    EXPECT_TRUE(Near(At(out, 199, 99), red));
    EXPECT_TRUE(Near(At(out, 11, 5), green));
    EXPECT_TRUE(Near(At(out, 188, 5), green));
    EXPECT_TRUE(Near(At(out, 195, 50), green));
    EXPECT_TRUE(Near(At(out, 100, 50), blue));
    // "hole" leaves the middle out.
    out = Paint(R"(<VerticalLayout><Control bkimage="file='nine.png' corner='10,10,10,10' hole='true'"/></VerticalLayout>)", 200, 100);
    EXPECT_EQ(At(out, 100, 50).alpha(), 0);
    EXPECT_TRUE(Near(At(out, 195, 50), green));
}

TEST_F(Render, SourceDestTilingMaskAndFade)
{
    // 20 x 10: left half red, right half magenta (the mask colour).
    QImage strip(20, 10, QImage::Format_ARGB32);
    strip.fill(QColor(255, 0, 255));
    QPainter(&strip).fillRect(0, 0, 10, 10, QColor(255, 0, 0));
    SaveImage("strip.png", strip);
    QImage out = Paint(R"(<VerticalLayout>
        <Control height="10" bkimage="file='strip.png' source='10,0,20,10' dest='5,0,15,10'"/>
        <Control height="10" bkimage="file='strip.png' xtiled='true'"/>
        <Control height="10" bkimage="file='strip.png' mask='#FFFF00FF'"/>
        <Control height="10" bkimage="file='strip.png' fade='128'"/></VerticalLayout>)", 100, 40);
    EXPECT_EQ(At(out, 2, 5).alpha(), 0) << "outside dest";
    EXPECT_TRUE(Near(At(out, 10, 5), QColor(255, 0, 255))) << "source is the right half";
    EXPECT_TRUE(Near(At(out, 25, 15), QColor(255, 0, 0))) << "tiled, not stretched: third tile starts red";
    EXPECT_TRUE(Near(At(out, 35, 15), QColor(255, 0, 255)));
    EXPECT_TRUE(Near(At(out, 10, 25), QColor(255, 0, 0)));
    EXPECT_EQ(At(out, 80, 25).alpha(), 0) << "the mask colour is transparent";
    EXPECT_NEAR(At(out, 10, 35).alpha(), 128, 2);
}

TEST_F(Render, TintedWhiteImageTakesTheTintColour)
{
    QImage led(20, 20, QImage::Format_ARGB32);
    led.fill(QColor(255, 255, 255));
    QPainter(&led).fillRect(10, 0, 10, 20, QColor(128, 128, 128));
    SaveImage("led.png", led);
    QImage out = Paint(R"(<VerticalLayout><Sketch width="20" height="20"/><Sketch width="20" height="20"/></VerticalLayout>)", 20, 40);
    bool drawn = false;
    sketch->draw = [&](Sketch& self, ui::Canvas& canvas) {
        const ui::ImageTint tint{0xFF00C8FF, 255};
        drawn = self.DrawWith(canvas, "led.png", &tint);
    };
    out = ui::QtScreenshot::Capture(*manager);
    ASSERT_TRUE(drawn);
    EXPECT_TRUE(Near(At(out, 5, 25), QColor(0, 200, 255)));
    EXPECT_TRUE(Near(At(out, 15, 25), QColor(0, 100, 128)));
    // Strength scales the alpha: half the strength, half covered.
    sketch->draw = [&](Sketch& self, ui::Canvas& canvas) {
        const ui::ImageTint tint{0xFFFF0000, 128};
        self.DrawWith(canvas, "led.png", &tint);
    };
    out = ui::QtScreenshot::Capture(*manager);
    EXPECT_TRUE(Near(At(out, 5, 25), QColor(255, 0, 0, 128)));
    // A reference that does not load draws nothing and says so.
    sketch->draw = [&](Sketch& self, ui::Canvas& canvas) { drawn = self.DrawWith(canvas, "none.png", nullptr); };
    ui::QtScreenshot::Capture(*manager);
    EXPECT_FALSE(drawn);
}

TEST_F(Render, DisabledLabelUsesItsDisabledTextColour)
{
    const char* xml = R"(<VerticalLayout bkcolor="#FF000000"><Label name="l" text="MMMM" enabled="%s"
        textcolor="#FFFF0000" disabledtextcolor="#FF00FF00" align="center" font="1"/></VerticalLayout>)";
    auto countColour = [](const QImage& image, auto wanted) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += wanted(image.pixelColor(x, y));
        return count;
    };
    auto reddish = [](QColor c) { return c.red() > 100 && c.green() < 50; };
    auto greenish = [](QColor c) { return c.green() > 100 && c.red() < 50; };
    char text[512];
    std::snprintf(text, sizeof text, xml, "false");
    QImage off = Paint(text, 160, 60);
    EXPECT_GT(countColour(off, greenish), 20);
    EXPECT_EQ(countColour(off, reddish), 0);
    std::snprintf(text, sizeof text, xml, "true");
    QImage on = Paint(text, 160, 60);
    EXPECT_GT(countColour(on, reddish), 20);
    EXPECT_EQ(countColour(on, greenish), 0);
}

TEST_F(Render, WordBreakWrapsAndEllipsisShortens)
{
    auto inked = [](const QImage& image, int top, int bottom) {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y).red() > 128;
        return count;
    };
    const std::string words = "one two three four five six seven eight nine ten";
    // Wrapped text reaches the lower half; a single line stays at the top.
    QImage wrapped = Paint(R"(<VerticalLayout bkcolor="#FF000000"><Text height="120" textcolor="#FFFF0000" text=")" + words +
                               R"("/></VerticalLayout>)", 100, 120);
    QImage single = Paint(R"(<VerticalLayout bkcolor="#FF000000"><Label height="120" align="top" textcolor="#FFFF0000" text=")" +
                              words + R"("/></VerticalLayout>)", 100, 120);
    EXPECT_GT(inked(wrapped, 40, 120), 0);
    EXPECT_EQ(inked(single, 40, 120), 0);
    // The end ellipsis shows the last dots inside the box instead of a cut word.
    QImage cut = Paint(R"(<VerticalLayout bkcolor="#FF000000"><Label height="30" textcolor="#FFFF0000" text=")" + words +
                           R"("/></VerticalLayout>)", 100, 30);
    QImage elided = Paint(R"(<VerticalLayout bkcolor="#FF000000"><Label height="30" endellipsis="true" textcolor="#FFFF0000" text=")" +
                              words + R"("/></VerticalLayout>)", 100, 30);
    EXPECT_NE(cut, elided);
}

TEST_F(Render, PieWithoutAntialiasingHasHardEdges)
{
    auto colours = [](const QImage& image) {
        std::set<QRgb> seen;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                seen.insert(image.pixel(x, y));
        return seen.size();
    };
    QImage out = Paint(R"(<VerticalLayout bkcolor="#FFFFFFFF"><Sketch/></VerticalLayout>)", 80, 80);
    auto pie = [](bool antialias) {
        return [antialias](Sketch& self, ui::Canvas& canvas) {
            canvas.SetAntialias(antialias);
            canvas.FillPie(self.GetPos(), 90, 135, 0xFF0099FF);
        };
    };
    sketch->draw = pie(false);
    out = ui::QtScreenshot::Capture(*manager);
    EXPECT_EQ(colours(out), 2u);
    // From the bottom clockwise: through the lower left, not the lower right.
    EXPECT_EQ(out.pixelColor(25, 55), QColor(0, 0x99, 0xFF));
    EXPECT_EQ(out.pixelColor(55, 55), QColor(255, 255, 255));
    EXPECT_EQ(out.pixelColor(70, 40), QColor(255, 255, 255));
    sketch->draw = pie(true);
    out = ui::QtScreenshot::Capture(*manager);
    EXPECT_GT(colours(out), 2u);
}

TEST_F(Render, ControlOutsideItsParentsClipIsNotDrawn)
{
    QImage out = Paint(R"(<VerticalLayout bkcolor="#FF000000"><HorizontalLayout height="40" width="100">
        <Control width="60" bkcolor="#FF0000FF"/><Control width="80" bkcolor="#FF00FF00"/>
        <Control float="true" pos="150,0,190,40" bkcolor="#FFFF0000"/></HorizontalLayout></VerticalLayout>)", 200, 60);
    EXPECT_EQ(At(out, 30, 20), QColor(0, 0, 255));
    EXPECT_EQ(At(out, 90, 20), QColor(0, 255, 0));
    EXPECT_EQ(At(out, 120, 20), QColor(0, 0, 0)) << "the part beyond the parent is clipped";
    EXPECT_EQ(At(out, 170, 20), QColor(0, 0, 0)) << "a float child outside the parent is not drawn";
}

TEST_F(Render, LayoutToPngAtADpi)
{
    std::ofstream(skin / "shot.xml") << R"(<Window size="100,50"><VerticalLayout bkcolor="#FF121419"><Control height="10" bkcolor="#FF0099FF"/></VerticalLayout></Window>)";
    ASSERT_TRUE(ui::QtScreenshot::RenderLayout("shot.xml", std::nullopt, 192, skin / "shot.png"));
    QImage shot(QString::fromStdString(skin / "shot.png"));
    ASSERT_EQ(shot.size(), QSize(200, 100));
    EXPECT_EQ(shot.pixelColor(5, 15), QColor(0, 0x99, 0xFF));
    EXPECT_EQ(shot.pixelColor(5, 25), QColor(0x12, 0x14, 0x19));
    EXPECT_FALSE(ui::QtScreenshot::RenderLayout("missing.xml", std::nullopt, 96, skin / "no.png"));
}

TEST(QtFonts, PrivateFontsFromFilesAndMissingOnes)
{
    uiqt::Platform();
    int id = 0;
    EXPECT_TRUE(ui::QtFonts::Load("Font/NoSuchFont.ttf", &id).empty());
    EXPECT_EQ(id, -1);
    const std::string dejavu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    if (!std::ifstream(dejavu))
        GTEST_SKIP() << "fonts-dejavu-core is not installed";
    auto families = ui::QtFonts::Load(dejavu, &id);
    ASSERT_FALSE(families.empty());
    EXPECT_EQ(families.front(), "DejaVu Sans");
    ui::QtFonts::Remove(id);
}

TEST(QtFileDialogs, ProgramFiltersBecomeQtFilters)
{
    EXPECT_EQ(ui::QtFileDialogs::NameFilter({"Profile Files(*.json)", "*.json;"}), "Profile Files (*.json)");
    EXPECT_EQ(ui::QtFileDialogs::NameFilter({"Pictures", "*.png;*.jpg"}), "Pictures (*.png *.jpg)");
    EXPECT_EQ(ui::QtFileDialogs::NameFilter({"All", ""}), "All (*)");
}

TEST(QtEventLoop, TasksTimersAndNestedRuns)
{
    ui::EventLoop& loop = uiqt::Platform().Loop();
    std::vector<int> order;
    int ticks = 0;
    ui::EventLoop::TimerId timer = 0;
    timer = loop.StartTimer(5, [&] {
        if (++ticks == 3) {
            loop.StopTimer(timer);
            order.push_back(99);
        }
    });
    std::thread worker([&] {
        loop.Post([&] { order.push_back(1); });
        loop.Post([&] { order.push_back(2); });
    });
    worker.join();
    EXPECT_FALSE(loop.IsLoopThread() == false);
    loop.RunUntil([&] { return ticks >= 3; });
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 99}));
    const uint64_t before = loop.NowMs();
    bool fired = false;
    auto once = loop.StartTimer(30, [&] { fired = true; });
    loop.RunUntil([&] { return fired; });
    loop.StopTimer(once);
    EXPECT_GE(loop.NowMs() - before, 25u);
}

} // namespace
