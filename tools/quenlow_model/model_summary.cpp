#include "tools/quenlow_model/model_summary.h"

#include "common/message_box_record.h"
#include "formats/3ds/model_3ds.h"
#include "formats/ms3d/ms3d_model.h"
#include "scene/gl.h"
#include "scene/scene_object.h"

namespace {

// Printable ASCII as is, quotes and backslashes escaped, other bytes as \xNN.
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out + "\"";
}

const char* kindName(int kind) {
    return kind == 1 ? "ms3d" : kind == 2 ? "3ds" : "none";
}

const char* yesNo(bool value) {
    return value ? "yes" : "no";
}

// "none" for no texture name, "empty" for a name without a picture, else the
// size of the uploaded level 0.
std::string textureState(unsigned int name) {
    if (name == 0)
        return "none";
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glBindTexture(GL_TEXTURE_2D, name);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    if (width == 0)
        return "empty";
    return std::to_string(width) + "x" + std::to_string(height);
}

void write3dsModel(std::FILE* out, const Model3DS& model) {
    const tModelData& data = model.data;
    std::fprintf(out, "objects %d\n", data.objectCount);
    for (size_t i = 0; i < data.objects.size(); ++i) {
        const t3DObject& o = data.objects[i];
        std::fprintf(out,
                     "object %zu %s vertices %d faces %d texcoords %d material %d textured %s\n", i,
                     quoted(o.name).c_str(), o.vertexCount, o.faceCount, o.texCoordCount,
                     o.materialIndex, yesNo(o.hasTexture));
    }
    std::fprintf(out, "materials %d\n", data.materialCount);
    for (size_t i = 0; i < data.materials.size(); ++i) {
        const tMaterialInfo& m = data.materials[i];
        unsigned int name = i < Model3DS::textureSlots ? model.textures[i] : 0;
        std::fprintf(out, "material %zu %s colour %d %d %d texture %s gl-texture %s\n", i,
                     quoted(m.name).c_str(), m.colour[0], m.colour[1], m.colour[2],
                     quoted(m.textureFile).c_str(), textureState(name).c_str());
    }
}

std::string colour(const float* rgba) {
    char text[64];
    std::snprintf(text, sizeof text, "%g %g %g %g", rgba[0], rgba[1], rgba[2], rgba[3]);
    return text;
}

void writeMs3dModel(std::FILE* out, const MS3DModel& model) {
    std::fprintf(out, "vertices %d\n", model.vertexCount);
    std::fprintf(out, "triangles %d\n", model.triangleCount);
    std::fprintf(out, "groups %d\n", model.groupCount);
    for (size_t i = 0; i < model.groups.size(); ++i)
        std::fprintf(out, "group %zu triangles %d material %d\n", i, model.groups[i].triangleCount,
                     model.groups[i].materialIndex);
    std::fprintf(out, "materials %d\n", model.materialCount);
    for (size_t i = 0; i < model.materials.size(); ++i) {
        const MS3DMaterial& m = model.materials[i];
        std::fprintf(out,
                     "material %zu ambient %s diffuse %s specular %s emissive %s shininess %g "
                     "texture %s gl-texture %s\n",
                     i, colour(m.ambient).c_str(), colour(m.diffuse).c_str(),
                     colour(m.specular).c_str(), colour(m.emissive).c_str(), m.shininess,
                     quoted(m.textureFile).c_str(), textureState(m.texture).c_str());
    }
}

} // namespace

void writeModelSummary(std::FILE* out, const std::string& path, const SceneObject& object) {
    std::fprintf(out, "file %s\n", quoted(path).c_str());
    std::fprintf(out, "kind %s\n", kindName(object.kind));
    std::fprintf(out, "loaded %s\n", yesNo(object.loaded));
    if (object.kind == 2 && object.model3ds != nullptr)
        write3dsModel(out, *object.model3ds);
    if (object.kind == 1 && object.ms3d != nullptr)
        writeMs3dModel(out, *object.ms3d);
    for (const RecordedMessageBox& box : recordedMessageBoxes())
        std::fprintf(out, "box %s %s\n", quoted(box.caption).c_str(), quoted(box.text).c_str());
}
