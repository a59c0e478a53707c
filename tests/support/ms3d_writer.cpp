#include "tests/support/ms3d_writer.h"

#include <algorithm>

namespace {

template <size_t n> Bytes floats(const std::array<float, n>& values) {
    Bytes out;
    for (float value : values)
        append(out, f32({value}));
    return out;
}

Bytes field(const std::string& value, size_t size) {
    Bytes out(size, 0);
    std::copy_n(value.begin(), std::min(value.size(), size), out.begin());
    return out;
}

void appendRecord(Bytes& out, const Ms3dVertexSpec& v) {
    out.push_back(0);
    append(out, f32({v.x, v.y, v.z}));
    out.push_back(static_cast<uint8_t>(v.bone));
    out.push_back(1);
}

void appendRecord(Bytes& out, const Ms3dTriangleSpec& t) {
    append(out, u16(0));
    for (uint16_t vertex : t.vertices)
        append(out, u16(vertex));
    for (const auto& normal : t.normals)
        append(out, floats(normal));
    append(out, floats(t.s));
    append(out, floats(t.t));
    out.push_back(1); // smoothing group
    out.push_back(0); // group index
}

void appendRecord(Bytes& out, const Ms3dGroupSpec& g) {
    out.push_back(0);
    append(out, field(g.name, 32));
    append(out, u16(static_cast<uint16_t>(g.triangles.size())));
    for (uint16_t triangle : g.triangles)
        append(out, u16(triangle));
    out.push_back(static_cast<uint8_t>(g.material));
}

void appendRecord(Bytes& out, const Ms3dMaterialSpec& m) {
    append(out, field(m.name, 32));
    append(out, floats(m.ambient));
    append(out, floats(m.diffuse));
    append(out, floats(m.specular));
    append(out, floats(m.emissive));
    append(out, f32({m.shininess, 0.0f}));
    out.push_back(0); // mode
    append(out, field(m.texture, 128));
    append(out, field(m.alphaMap, 128));
}

// A count, then the records; returns where the count stands.
template <typename T> size_t appendPart(Bytes& out, const std::vector<T>& records) {
    size_t start = out.size();
    append(out, u16(static_cast<uint16_t>(records.size())));
    for (const T& record : records)
        appendRecord(out, record);
    return start;
}

Bytes write(const Ms3dFile& file, Ms3dLayout& layout) {
    Bytes out = field(file.identifier, 10);
    append(out, u32(static_cast<uint32_t>(file.version)));
    layout.vertexCount = appendPart(out, file.vertices);
    layout.triangleCount = appendPart(out, file.triangles);
    layout.groupCount = appendPart(out, file.groups);
    layout.materialCount = appendPart(out, file.materials);
    layout.end = out.size();
    append(out, file.trailing);
    return out;
}

} // namespace

Bytes ms3dBytes(const Ms3dFile& file) {
    Ms3dLayout layout;
    return write(file, layout);
}

Ms3dLayout ms3dLayout(const Ms3dFile& file) {
    Ms3dLayout layout;
    write(file, layout);
    return layout;
}

void addMs3dSquare(Ms3dFile& file, float left, float right, float bottom, float top,
                   int8_t material) {
    uint16_t first = static_cast<uint16_t>(file.vertices.size());
    file.vertices.push_back({left, bottom, 0});
    file.vertices.push_back({right, bottom, 0});
    file.vertices.push_back({right, top, 0});
    file.vertices.push_back({left, top, 0});
    uint16_t firstTriangle = static_cast<uint16_t>(file.triangles.size());
    Ms3dTriangleSpec lower;
    lower.vertices = {first, uint16_t(first + 1), uint16_t(first + 2)};
    lower.s = {0, 1, 1};
    lower.t = {1, 1, 0};
    Ms3dTriangleSpec upper;
    upper.vertices = {first, uint16_t(first + 2), uint16_t(first + 3)};
    upper.s = {0, 1, 0};
    upper.t = {1, 0, 0};
    file.triangles.push_back(lower);
    file.triangles.push_back(upper);
    Ms3dGroupSpec group;
    group.name = "Square" + std::to_string(file.groups.size());
    group.triangles = {firstTriangle, uint16_t(firstTriangle + 1)};
    group.material = material;
    file.groups.push_back(group);
}

Ms3dFile ms3dQuad(const std::string& texture) {
    Ms3dFile file;
    addMs3dSquare(file, -0.5f, 0.5f, -0.5f, 0.5f, 0);
    Ms3dMaterialSpec material;
    material.name = "Skin";
    material.texture = texture;
    file.materials.push_back(material);
    return file;
}

Ms3dFile ms3dGrid(int vertexCount, int triangleCount) {
    Ms3dFile file;
    const int columns = 256;
    file.vertices.reserve(vertexCount);
    for (int i = 0; i < vertexCount; ++i)
        file.vertices.push_back({float(i % columns), float(i / columns), 0});
    Ms3dGroupSpec group;
    group.name = "Grid";
    file.triangles.reserve(triangleCount);
    for (int i = 0; i < triangleCount; ++i) {
        int corner = (i / 2) % (vertexCount - columns - 1);
        if (corner % columns == columns - 1)
            corner -= 1;
        Ms3dTriangleSpec triangle;
        uint16_t a = uint16_t(corner), b = uint16_t(corner + 1), c = uint16_t(corner + columns),
                 d = uint16_t(corner + columns + 1);
        triangle.vertices =
            i % 2 == 0 ? std::array<uint16_t, 3>{a, b, d} : std::array<uint16_t, 3>{a, d, c};
        triangle.s = {0, 1, 1};
        triangle.t = {0, 0, 1};
        file.triangles.push_back(triangle);
        group.triangles.push_back(uint16_t(i));
    }
    file.groups.push_back(group);
    return file;
}
