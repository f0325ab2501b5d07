#include "tests/ui/UiTestSupport.h"
#include "ui/HeadlessImageLoader.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

struct ToolRun {
    int status;
    std::string out;
};

// Runs the tool from the program folder (the tests' working folder), stderr
// into stdout.
ToolRun Tool(const std::string& args)
{
    std::string command = "./veltrane-uitool " + args + " 2>&1";
    ToolRun run{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 512> buffer;
    while (size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
        run.out.append(buffer.data(), n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(UiTool, DumpPrintsTheTreeAfterLayout)
{
    TempFolder folder;
    uitest::WriteFile(folder / "res.xml", R"(<Resources><Layout name="XML_PART" file="XML\part.xml"/></Resources>)");
    std::filesystem::create_directories(folder / "XML");
    uitest::WriteFile(folder / "XML/part.xml", R"(<Label name="inc" height="10"/>)");
    uitest::WriteFile(folder / "main.xml", R"(<Window size="300,200"><VerticalLayout name="root" inset="4,4,4,4">
        <Label name="title" height="30"/><Gizmo name="g"><Button/></Gizmo><Include source="XML_PART"/>
        <Button name="b" height="10" visible="false"/></VerticalLayout></Window>)");
    ToolRun run = Tool("dump " + folder / "main.xml");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "unknown tag <Gizmo> built as a plain container\n"
                       "VerticalLayoutUI \"root\" 0,0,300,200\n"
                       "  LabelUI \"title\" 4,4,296,34\n"
                       "  ContainerUI \"g\" 4,34,296,186\n"
                       "    ButtonUI \"\" 4,34,296,186\n"
                       "  LabelUI \"inc\" 4,186,296,196\n"
                       "  ButtonUI \"b\" 0,0,0,0 hidden\n");
    run = Tool("dump " + folder / "main.xml --size 100x50");
    EXPECT_NE(run.out.find("VerticalLayoutUI \"root\" 0,0,100,50\n"), std::string::npos) << run.out;
}

TEST(UiTool, RenderWritesAPngOfTheLayout)
{
    TempFolder folder;
    uitest::WriteFile(folder / "main.xml", R"(<Window size="120,80"><VerticalLayout bkcolor="#FF121419"><Label text="title_text" resourcetext="true"/></VerticalLayout></Window>)");
    uitest::WriteFile(folder / "lan.xml", R"(<Language name="English"><Text id="title_text">Title</Text></Language>)");
    ToolRun run = Tool("render " + folder / "main.xml --size 200x100 -o " + folder / "out.png --lang lan.xml --dpi 144");
    ASSERT_EQ(run.status, 0) << run.out;
    ui::HeadlessImageLoader loader;
    auto image = loader.Load(folder / "out.png");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Width(), 200);
    EXPECT_EQ(image->Height(), 100);
    // Without --size: the layout's own size at the DPI.
    ASSERT_EQ(Tool("render " + folder / "main.xml -o " + folder / "own.png --dpi 192").status, 0);
    image = loader.Load(folder / "own.png");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Width(), 240);
    EXPECT_EQ(Tool("render " + folder / "main.xml --size 10x10").status, 2) << "no -o";
    EXPECT_EQ(Tool("render " + folder / "missing.xml -o " + folder / "x.png").status, 1);
}

TEST(UiTool, FaultsExitNonZero)
{
    TempFolder folder;
    uitest::WriteFile(folder / "bad.xml", "<Window><VerticalLayout></Window>");
    EXPECT_EQ(Tool("dump " + folder / "bad.xml").status, 1);
    EXPECT_EQ(Tool("dump " + folder / "missing.xml").status, 1);
    EXPECT_EQ(Tool("dump").status, 2);
    EXPECT_EQ(Tool("dump x.xml --size 10").status, 2);
    EXPECT_EQ(Tool("frobnicate").status, 2);
}

} // namespace
