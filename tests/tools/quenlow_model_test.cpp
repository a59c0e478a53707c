#include "tests/support/jpeg_writer.h"
#include "tests/support/model_3ds_fixtures.h"
#include "tests/support/ms3d_writer.h"
#include "tests/support/scratch_directory.h"

#include <gtest/gtest.h>
#include <png.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstring>

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string output; // standard output
};

// Runs the tool with its leak report limited to the project's suppressions
// (OSMesa keeps allocations until exit).
ToolRun runTool(const std::string& arguments) {
    std::string command = std::string("LSAN_OPTIONS=suppressions=") + QUENLOW_LSAN_SUPPRESSIONS +
                          " " + QUENLOW_MODEL_TOOL + " " + arguments + " 2>/dev/null";
    ToolRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, got);
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb; // top row first

    const uint8_t* at(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};

Picture readPng(const std::string& path) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    Picture picture;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0)
        return picture;
    image.format = PNG_FORMAT_RGB;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr) == 0)
        picture = Picture();
    return picture;
}

bool near(const uint8_t* pixel, int red, int green, int blue, int tolerance = 4) {
    return std::abs(pixel[0] - red) <= tolerance && std::abs(pixel[1] - green) <= tolerance &&
           std::abs(pixel[2] - blue) <= tolerance;
}

class QuenlowModelTool : public ::testing::Test {
  protected:
    std::string writeModel(const Bytes& model, bool withTexture = true) {
        std::string path = directory.file("Quenlow.3DS");
        writeBytes(path, model);
        if (withTexture)
            writeBytes(directory.file("quenlow.jpg"), solidJpeg(16, 8, 200, 100, 50));
        return path;
    }

    ScratchDirectory directory;
};

TEST_F(QuenlowModelTool, InfoSummarisesTheDefaultShapedModel) {
    std::string path = writeModel(defaultShapedModel());
    ToolRun run = runTool("info " + path);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "file \"" + path +
                              "\"\n"
                              "kind 3ds\n"
                              "loaded yes\n"
                              "objects 1\n"
                              "object 0 \"Sphere01\" vertices 529 faces 614 texcoords 529 "
                              "material 0 textured yes\n"
                              "materials 1\n"
                              "material 0 \"01 - Default\" colour 150 150 150 texture "
                              "\"QUENLOW.JPG\" gl-texture 16x8\n");
}

TEST_F(QuenlowModelTool, InfoListsTheMessagesTheLoadingShowed) {
    std::string path = writeModel(defaultShapedModel(4), false);
    ToolRun run = runTool("info " + path);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.output.find("gl-texture none\n"
                              "box \"Warning\" \"This 3DS file is over version 3 so it may load "
                              "incorrectly\"\n"),
              std::string::npos)
        << run.output;

    std::string notModel = directory.file("notes.3ds");
    writeBytes(notModel, text("plain text"));
    run = runTool("info " + notModel);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "file \"" + notModel +
                              "\"\n"
                              "kind 3ds\n"
                              "loaded no\n"
                              "objects 0\n"
                              "materials 0\n"
                              "box \"Error\" \"Unable to load PRIMARY chuck from file: " +
                              notModel + "!\"\n");
}

// The sphere at the centre, textured in one colour, unlit: the texture's
// colour in the middle, black at the corners.
TEST_F(QuenlowModelTool, RenderDrawsTheModelAtTheCentre) {
    std::string path = writeModel(defaultShapedModel());
    std::string png = directory.file("sphere.png");
    ToolRun run = runTool("render " + path + " --out " + png + " --size 160x120 --angles 90,0,0");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    Picture picture = readPng(png);
    ASSERT_EQ(picture.width, 160);
    ASSERT_EQ(picture.height, 120);
    EXPECT_TRUE(near(picture.at(80, 60), 200, 100, 50));
    EXPECT_TRUE(near(picture.at(2, 2), 0, 0, 0));
    EXPECT_TRUE(near(picture.at(157, 117), 0, 0, 0));
}

TEST_F(QuenlowModelTool, RenderDrawsTheCubeWhenTheModelDoesNotLoad) {
    std::string png = directory.file("cube.png");
    ToolRun run = runTool("render " + directory.file("absent.3ds") + " --out " + png +
                          " --size 160x120 --scale 50");
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_NE(run.output.find("the cube"), std::string::npos) << run.output;
    Picture picture = readPng(png);
    ASSERT_EQ(picture.width, 160);
    EXPECT_TRUE(near(picture.at(80, 60), 255, 0, 0)); // the front face
    EXPECT_TRUE(near(picture.at(2, 2), 0, 0, 0));
}

// The light comes from the right: the left side of the sphere is darker lit
// than unlit, the middle keeps its colour.
TEST_F(QuenlowModelTool, LightingShadesTheModel) {
    std::string path = writeModel(defaultShapedModel());
    std::string lit = directory.file("lit.png"), unlit = directory.file("unlit.png");
    ASSERT_EQ(runTool("render " + path + " --out " + lit + " --size 160x120 --lighting").exitCode,
              0);
    ASSERT_EQ(runTool("render " + path + " --out " + unlit + " --size 160x120").exitCode, 0);
    Picture litPicture = readPng(lit), unlitPicture = readPng(unlit);
    ASSERT_EQ(litPicture.width, 160);
    ASSERT_EQ(unlitPicture.width, 160);
    EXPECT_TRUE(near(unlitPicture.at(63, 60), 200, 100, 50));
    EXPECT_LT(litPicture.at(63, 60)[0], 150);
    EXPECT_GT(litPicture.at(63, 60)[0], 40);
    EXPECT_TRUE(near(litPicture.at(80, 60), 200, 100, 50, 12));
}

// Two squares of 200 units, the left one textured from ".\skin.jpg" beside
// the model, the right one without a material.
std::string writeMs3dModel(const ScratchDirectory& directory) {
    Ms3dFile file;
    addMs3dSquare(file, -200, 0, -100, 100, 0);
    addMs3dSquare(file, 0, 200, -100, 100, -1);
    Ms3dMaterialSpec material;
    material.diffuse = {0.5f, 0.25f, 1, 1};
    material.shininess = 8;
    material.texture = ".\\skin.jpg";
    file.materials = {material};
    std::string path = directory.file("ship.ms3d");
    writeBytes(path, ms3dBytes(file));
    writeBytes(directory.file("skin.jpg"), solidJpeg(16, 8, 200, 100, 50));
    return path;
}

TEST_F(QuenlowModelTool, InfoSummarisesAnMs3dModel) {
    std::string path = writeMs3dModel(directory);
    ToolRun run = runTool("info " + path);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output,
              "file \"" + path +
                  "\"\n"
                  "kind ms3d\n"
                  "loaded yes\n"
                  "vertices 8\n"
                  "triangles 4\n"
                  "groups 2\n"
                  "group 0 triangles 2 material 0\n"
                  "group 1 triangles 2 material -1\n"
                  "materials 1\n"
                  "material 0 ambient 0.2 0.2 0.2 1 diffuse 0.5 0.25 1 1 specular 0 0 0 "
                  "1 emissive 0 0 0 1 shininess 8 texture \"" +
                  directory.path() + "\\\\skin.jpg\" gl-texture 16x8\n");
}

// Unlit, the textured square shows its texture; the other one the current
// colour, white.
TEST_F(QuenlowModelTool, RenderDrawsAnMs3dModel) {
    std::string path = writeMs3dModel(directory);
    std::string png = directory.file("ship.png");
    ToolRun run = runTool("render " + path + " --out " + png + " --size 160x120");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("as the model"), std::string::npos) << run.output;
    Picture picture = readPng(png);
    ASSERT_EQ(picture.width, 160);
    EXPECT_TRUE(near(picture.at(60, 60), 200, 100, 50));
    EXPECT_TRUE(near(picture.at(100, 60), 255, 255, 255));
    EXPECT_TRUE(near(picture.at(80, 5), 0, 0, 0));
}

TEST_F(QuenlowModelTool, UsageErrorsExitWithTwo) {
    for (const char* arguments :
         {"", "info", "draw x.3ds", "render x.3ds", "render x.3ds --out a.png --size 0x5",
          "render x.3ds --out a.png --angles 1,2", "info x.3ds --out a.png",
          "render x.3ds --out a.png --scale 0"}) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(runTool(arguments).exitCode, 2);
    }
}

} // namespace
