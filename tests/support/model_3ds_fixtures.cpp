#include "tests/support/model_3ds_fixtures.h"

#include <cmath>

namespace {

Chunk colourChunk(uint16_t id, uint8_t red, uint8_t green, uint8_t blue) {
    return chunk(id, {}, {chunk(0x0011, Bytes{red, green, blue})});
}

Chunk percentChunk(uint16_t id, uint16_t percent) {
    return chunk(id, {}, {chunk(0x0030, u16(percent))});
}

uint32_t index(int row, int column, int columns) {
    return static_cast<uint32_t>(row * columns + column);
}

} // namespace

Mesh sphereMesh(int rings, int segments, float radius) {
    const double pi = 3.14159265358979323846;
    Mesh mesh;
    for (int r = 0; r <= rings; ++r) {
        for (int s = 0; s <= segments; ++s) {
            double theta = pi * r / rings;
            double phi = 2 * pi * s / segments;
            mesh.vertices.emplace_back(
                static_cast<float>(radius * std::sin(theta) * std::cos(phi)),
                static_cast<float>(radius * std::cos(theta)),
                static_cast<float>(-radius * std::sin(theta) * std::sin(phi)));
            mesh.texCoords.push_back(
                Vector2{static_cast<float>(s) / segments, 1.0f - static_cast<float>(r) / rings});
        }
    }
    int columns = segments + 1;
    for (int r = 0; r < rings; ++r) {
        for (int s = 0; s < segments; ++s) {
            uint32_t a = index(r, s, columns), b = index(r + 1, s, columns);
            uint32_t c = index(r + 1, s + 1, columns), d = index(r, s + 1, columns);
            if (r != rings - 1)
                mesh.faces.push_back(tTriangle{{a, b, c}});
            if (r != 0)
                mesh.faces.push_back(tTriangle{{a, c, d}});
        }
    }
    return mesh;
}

Mesh defaultSizedMesh(float radius) {
    Mesh mesh = sphereMesh(22, 22, radius);
    mesh.faces.resize(614);
    return mesh;
}

Mesh gridMesh(int columns, int rows, int maxTriangles, float spacing) {
    Mesh mesh;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            mesh.vertices.emplace_back(c * spacing, r * spacing, 0.0f);
            mesh.texCoords.push_back(
                Vector2{static_cast<float>(c) / (columns - 1), static_cast<float>(r) / (rows - 1)});
        }
    }
    for (int r = 0; r + 1 < rows; ++r) {
        for (int c = 0; c + 1 < columns; ++c) {
            if (static_cast<int>(mesh.faces.size()) + 2 > maxTriangles)
                return mesh;
            uint32_t a = index(r, c, columns), b = index(r, c + 1, columns);
            uint32_t d = index(r + 1, c, columns), e = index(r + 1, c + 1, columns);
            mesh.faces.push_back(tTriangle{{a, b, e}});
            mesh.faces.push_back(tTriangle{{a, e, d}});
        }
    }
    return mesh;
}

Chunk vertexListChunk(const std::vector<Vector3>& vertices) {
    Bytes data = u16(static_cast<uint16_t>(vertices.size()));
    for (const Vector3& v : vertices)
        append(data, f32({v.x, v.y, v.z}));
    return chunk(0x4110, data);
}

Chunk texCoordListChunk(const std::vector<Vector2>& texCoords) {
    Bytes data = u16(static_cast<uint16_t>(texCoords.size()));
    for (const Vector2& t : texCoords)
        append(data, f32({t.u, t.v}));
    return chunk(0x4140, data);
}

Chunk materialGroupChunk(const std::string& material, size_t faceCount) {
    Bytes data = cat({text(material), u16(static_cast<uint16_t>(faceCount))});
    for (size_t i = 0; i < faceCount; ++i)
        append(data, u16(static_cast<uint16_t>(i)));
    return chunk(0x4130, data);
}

Chunk faceListChunk(const std::vector<tTriangle>& faces, std::vector<Chunk> subChunks) {
    Bytes data = u16(static_cast<uint16_t>(faces.size()));
    data.reserve(2 + faces.size() * 8);
    for (const tTriangle& f : faces)
        for (uint16_t value :
             {static_cast<uint16_t>(f.vertIndex[0]), static_cast<uint16_t>(f.vertIndex[1]),
              static_cast<uint16_t>(f.vertIndex[2]), uint16_t{7}})
            data.insert(data.end(),
                        {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)});
    return chunk(0x4120, data, std::move(subChunks));
}

Chunk objectChunk(const std::string& name, const Mesh& mesh, const std::string& material) {
    std::vector<Chunk> groups;
    if (!material.empty())
        groups.push_back(materialGroupChunk(material, mesh.faces.size()));
    Bytes smoothing;
    for (size_t i = 0; i < mesh.faces.size(); ++i)
        append(smoothing, u32(1));
    groups.push_back(chunk(0x4150, smoothing));

    std::vector<Chunk> meshChunks{vertexListChunk(mesh.vertices)};
    if (!mesh.texCoords.empty())
        meshChunks.push_back(texCoordListChunk(mesh.texCoords));
    meshChunks.push_back(chunk(0x4160, f32({1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0})));
    meshChunks.push_back(faceListChunk(mesh.faces, std::move(groups)));
    return chunk(0x4000, text(name), {chunk(0x4100, {}, std::move(meshChunks))});
}

Chunk materialChunk(const MaterialSpec& material) {
    Chunk diffuse = colourChunk(0xA020, material.red, material.green, material.blue);
    diffuse.children.push_back(chunk(0x0012, Bytes{material.red, material.green, material.blue}));
    std::vector<Chunk> children{chunk(0xA000, text(material.name)),
                                colourChunk(0xA010, 150, 150, 150),
                                diffuse,
                                colourChunk(0xA030, 229, 229, 229),
                                percentChunk(0xA040, 0),
                                percentChunk(0xA041, 0),
                                percentChunk(0xA050, 0),
                                percentChunk(0xA052, 0),
                                percentChunk(0xA053, 0),
                                chunk(0xA100, u16(3)),
                                percentChunk(0xA084, 0),
                                chunk(0xA08A),
                                chunk(0xA087, f32({1.0f}))};
    if (!material.textureFile.empty())
        children.push_back(
            chunk(0xA200, {},
                  {chunk(0x0030, u16(100)), chunk(0xA300, text(material.textureFile)),
                   chunk(0xA351, u16(0)), chunk(0xA353, f32({0.0f}))}));
    return chunk(0xAFFF, {}, std::move(children));
}

MaterialSpec defaultMaterial() {
    return MaterialSpec{"01 - Default", 150, 150, 150, "QUENLOW.JPG"};
}

Chunk modelFileChunk(std::vector<Chunk> editorChunks, uint32_t version, uint32_t meshVersion) {
    editorChunks.insert(editorChunks.begin(), chunk(0x3D3E, u32(meshVersion)));
    Chunk keyframer = chunk(0xB000, {},
                            {chunk(0xB00A, cat({u16(5), text("MAXSCENE"), u32(100)})),
                             chunk(0xB008, u32(0)), chunk(0xB009, u32(0))});
    return chunk(
        0x4D4D, {},
        {chunk(0x0002, u32(version)), chunk(0x3D3D, {}, std::move(editorChunks)), keyframer});
}

Bytes defaultShapedModel(uint32_t version, uint32_t meshVersion) {
    return chunkBytes(modelFileChunk({materialChunk(defaultMaterial()), chunk(0x0100, f32({1.0f})),
                                      objectChunk("Sphere01", defaultSizedMesh(), "01 - Default")},
                                     version, meshVersion));
}

Bytes largeModel() {
    Mesh mesh = gridMesh(260, 250, 64000, 0.5f);
    return chunkBytes(modelFileChunk({materialChunk(defaultMaterial()),
                                      objectChunk("Grid01", mesh, "01 - Default"),
                                      objectChunk("Grid02", mesh, "01 - Default")}));
}
