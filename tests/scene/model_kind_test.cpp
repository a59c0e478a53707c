#include "scene/scene_object.h"
#include "settings/saver_settings.h"
#include "tests/support/trace_capture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct KindCase {
    std::string path;
    int kind;
    const char* traceText;
};

const char* const ms3d = "Detected MS3D file type";
const char* const tds = "Detected 3DS file type";
const char* const noMatch = "Failed to match the extension to a type";
const char* const invalid = "Extension is invalid";

class ModelKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(ModelKindTest, ClassifiesThePathByItsExtension) {
    const KindCase& c = GetParam();
    theSettings.setDefaults();
    ASSERT_LT(c.path.size(), sizeof theSettings.modelPath);
    std::strcpy(theSettings.modelPath, c.path.c_str());
    SceneObject object;
    EXPECT_EQ(object.kind, c.kind);

    TraceCapture traces;
    object.kind = 0;
    EXPECT_EQ(object.detectModelKind(), c.kind);
    EXPECT_EQ(object.kind, c.kind);
    EXPECT_EQ(traces.last(), c.traceText);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ModelKindTest,
    ::testing::Values(KindCase{"C:\\models\\ship.ms3d", 1, ms3d}, KindCase{"ship.MS3D", 1, ms3d},
                      KindCase{"ship.Ms3d", 0, noMatch}, KindCase{"C:\\Temp\\Quenlow.3DS", 2, tds},
                      KindCase{"a/b.3ds", 2, tds}, KindCase{"a.3Ds", 0, noMatch},
                      KindCase{"model.obj", 0, noMatch}, KindCase{"tex.jpeg", 0, noMatch},
                      KindCase{"scene.blend", 0, invalid}, KindCase{"model.gz", 0, invalid},
                      KindCase{"dir.3ds\\model", 0, invalid}, KindCase{"m.ms3d.3ds", 2, tds},
                      KindCase{"m.3ds.bak", 0, noMatch}, KindCase{".3ds", 2, tds},
                      KindCase{"none", 0, invalid}, KindCase{"", 0, invalid},
                      KindCase{std::string(255, 'a') + ".3ds", 2, tds},
                      KindCase{std::string(254, 'a') + ".ms3d", 1, ms3d}),
    [](const auto& info) { return "path" + std::to_string(info.index); });

TEST(ModelKind, APathFillingTheWholeFieldStaysInsideIt) {
    theSettings.setDefaults();
    std::memset(theSettings.modelPath, 'a', sizeof theSettings.modelPath);
    std::memcpy(theSettings.modelPath + 255, ".3ds", 4);
    theSettings.modelPath[259] = 'x'; // no terminator anywhere
    SceneObject object;
    EXPECT_EQ(object.kind, 2);
}

} // namespace
