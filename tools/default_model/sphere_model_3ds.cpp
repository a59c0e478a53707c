#include "tools/default_model/sphere_model_3ds.h"

#include <cmath>
#include <cstring>

namespace {

constexpr double PI = 3.14159265358979323846;
const char* const MATERIAL_NAME = "01 - Default";
const char* const OBJECT_NAME = "Sphere01";

// Bytes of a chunk's payload, little-endian.
class Payload {
  public:
    Payload& u8(uint8_t value) {
        bytes.push_back(value);
        return *this;
    }
    Payload& u16(uint32_t value) { return u8(value & 0xFF).u8((value >> 8) & 0xFF); }
    Payload& u32(uint32_t value) { return u16(value & 0xFFFF).u16(value >> 16); }
    Payload& f32(double value) {
        float f = static_cast<float>(value);
        uint32_t bits;
        std::memcpy(&bits, &f, 4);
        return u32(bits);
    }
    Payload& text(const std::string& value) {
        bytes.insert(bytes.end(), value.begin(), value.end());
        return u8(0);
    }
    // A nested chunk: id, whole length, then its payload.
    Payload& chunk(uint16_t id, const Payload& payload) {
        u16(id).u32(static_cast<uint32_t>(6 + payload.bytes.size()));
        bytes.insert(bytes.end(), payload.bytes.begin(), payload.bytes.end());
        return *this;
    }

    std::vector<uint8_t> bytes;
};

Payload colour(uint8_t red, uint8_t green, uint8_t blue) {
    return Payload().chunk(0x0011, Payload().u8(red).u8(green).u8(blue));
}

Payload percentage(uint32_t value) {
    return Payload().chunk(0x0030, Payload().u16(value));
}

Payload material(const std::string& textureName) {
    Payload textureMap;
    textureMap.chunk(0x0030, Payload().u16(100))
        .chunk(0xA300, Payload().text(textureName))
        .chunk(0xA351, Payload().u16(0))
        .chunk(0xA353, Payload().f32(0.07));
    Payload m;
    m.chunk(0xA000, Payload().text(MATERIAL_NAME))
        .chunk(0xA010, colour(150, 150, 150))
        .chunk(0xA020, colour(150, 150, 150))
        .chunk(0xA030, colour(229, 229, 229))
        .chunk(0xA040, percentage(10))
        .chunk(0xA041, percentage(0))
        .chunk(0xA050, percentage(0))
        .chunk(0xA052, percentage(0))
        .chunk(0xA053, percentage(0))
        .chunk(0xA100, Payload().u16(3))
        .chunk(0xA084, percentage(0))
        .chunk(0xA08A, Payload())
        .chunk(0xA087, Payload().f32(1.0))
        .chunk(0xA200, textureMap);
    return m;
}

int vertexIndex(const SphereShape& shape, int column, int ring) {
    return ring * (shape.segments + 1) + column;
}

// A grid of (segments + 1) x (rings + 1) vertices: the last column repeats
// the first with u = 1, so the texture wraps without a jump. Pole vertices
// take the u of the middle of their segment.
void sphereVertices(const SphereShape& shape, Payload& positions, Payload& coordinates) {
    uint32_t count = static_cast<uint32_t>((shape.segments + 1) * (shape.rings + 1));
    positions.u16(count);
    coordinates.u16(count);
    for (int ring = 0; ring <= shape.rings; ++ring) {
        double v = static_cast<double>(ring) / shape.rings;
        double latitude = (v - 0.5) * PI;
        bool pole = ring == 0 || ring == shape.rings;
        for (int column = 0; column <= shape.segments; ++column) {
            double u = (column + (pole ? 0.5 : 0.0)) / shape.segments;
            double longitude = static_cast<double>(column) / shape.segments * 2 * PI;
            double across = pole ? 0.0 : std::cos(latitude) * shape.radius;
            double x = column == shape.segments ? across : across * std::cos(longitude);
            double y = column == shape.segments ? 0.0 : across * std::sin(longitude);
            double z = ring == 0             ? -shape.radius
                       : ring == shape.rings ? shape.radius
                                             : std::sin(latitude) * shape.radius;
            positions.f32(x).f32(y).f32(z);
            coordinates.f32(u).f32(v);
        }
    }
}

// Counter-clockwise seen from outside; a pole row has one triangle per
// segment. Flags mark the visible edges of each quad's two halves.
Payload sphereFaces(const SphereShape& shape, uint32_t& faceCount) {
    Payload faces;
    faceCount = 0;
    Payload list;
    for (int ring = 0; ring < shape.rings; ++ring)
        for (int column = 0; column < shape.segments; ++column) {
            int a = vertexIndex(shape, column, ring), b = vertexIndex(shape, column + 1, ring),
                c = vertexIndex(shape, column + 1, ring + 1),
                d = vertexIndex(shape, column, ring + 1);
            if (ring != 0) {
                list.u16(a).u16(b).u16(c).u16(6);
                ++faceCount;
            }
            if (ring != shape.rings - 1) {
                list.u16(a).u16(c).u16(d).u16(3);
                ++faceCount;
            }
        }
    faces.u16(faceCount);
    faces.bytes.insert(faces.bytes.end(), list.bytes.begin(), list.bytes.end());
    return faces;
}

Payload meshObject(const SphereShape& shape) {
    Payload positions, coordinates;
    sphereVertices(shape, positions, coordinates);
    uint32_t faceCount = 0;
    Payload faces = sphereFaces(shape, faceCount);
    Payload group, smoothing;
    group.text(MATERIAL_NAME).u16(faceCount);
    for (uint32_t face = 0; face < faceCount; ++face) {
        group.u16(face);
        smoothing.u32(1);
    }
    faces.chunk(0x4130, group).chunk(0x4150, smoothing);
    Payload axes; // local X, Y, Z axes and the origin
    axes.f32(1).f32(0).f32(0).f32(0).f32(1).f32(0).f32(0).f32(0).f32(1).f32(0).f32(0).f32(0);
    Payload mesh;
    mesh.chunk(0x4110, positions)
        .chunk(0x4140, coordinates)
        .chunk(0x4160, axes)
        .chunk(0x4120, faces);
    Payload object;
    object.text(OBJECT_NAME).chunk(0x4100, mesh);
    return object;
}

// One key at frame 0 of a keyframer track.
Payload trackWithOneKey(const Payload& value) {
    Payload track;
    track.u16(0).u32(0).u32(0).u32(1).u32(0).u16(0);
    track.bytes.insert(track.bytes.end(), value.bytes.begin(), value.bytes.end());
    return track;
}

Payload keyframer() {
    Payload node;
    node.chunk(0xB030, Payload().u16(0))
        .chunk(0xB010, Payload().text(OBJECT_NAME).u16(0x4000).u16(0).u16(0xFFFF))
        .chunk(0xB013, Payload().f32(0).f32(0).f32(0))
        .chunk(0xB020, trackWithOneKey(Payload().f32(0).f32(0).f32(0)))
        .chunk(0xB021, trackWithOneKey(Payload().f32(0).f32(0).f32(0).f32(0)))
        .chunk(0xB022, trackWithOneKey(Payload().f32(1).f32(1).f32(1)));
    Payload frames;
    frames.chunk(0xB00A, Payload().u16(5).text("MAXSCENE").u32(100))
        .chunk(0xB008, Payload().u32(0).u32(100))
        .chunk(0xB009, Payload().u32(0))
        .chunk(0xB002, node);
    return frames;
}

} // namespace

std::vector<uint8_t> sphereModel3ds(const SphereShape& shape, const std::string& textureName) {
    Payload editor;
    editor.chunk(0x3D3E, Payload().u32(3))
        .chunk(0xAFFF, material(textureName))
        .chunk(0x0100, Payload().f32(1.0))
        .chunk(0x4000, meshObject(shape));
    Payload main;
    main.chunk(0x0002, Payload().u32(3)).chunk(0x3D3D, editor).chunk(0xB000, keyframer());
    return Payload().chunk(0x4D4D, main).bytes;
}
