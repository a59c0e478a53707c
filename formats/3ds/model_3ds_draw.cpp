#include "formats/3ds/model_3ds.h"
#include "scene/gl.h"

#include "formats/geometry/vertex_normals.h"

namespace {

// The texture of a material; materials past the table have none (name 0).
unsigned int textureOf(const unsigned int* textures, int materialIndex) {
    if (materialIndex < 0 || materialIndex >= Model3DS::textureSlots)
        return 0;
    return textures[materialIndex];
}

void beginObject(const t3DObject& object, const unsigned int* textures) {
    if (object.hasTexture) {
        glEnable(GL_TEXTURE_2D);
        glColor3ub(255, 255, 255);
        glBindTexture(GL_TEXTURE_2D, textureOf(textures, object.materialIndex));
    } else {
        glDisable(GL_TEXTURE_2D);
        glColor3ub(255, 255, 255);
    }
}

// Texture coordinate of a textured object, or colour of an untextured one
// whose material exists. Coordinates are indexed like the vertices; a vertex
// without one keeps the current coordinate.
void sendCornerSurface(const t3DObject& object, const tModelData& data, uint32_t vertex) {
    if (object.hasTexture) {
        if (vertex < object.texCoords.size())
            glTexCoord2f(object.texCoords[vertex].u, object.texCoords[vertex].v);
    } else if (object.materialIndex >= 0 &&
               static_cast<size_t>(object.materialIndex) < data.materials.size()) {
        const uint8_t* colour = data.materials[object.materialIndex].colour;
        glColor3ub(colour[0], colour[1], colour[2]);
    }
}

// Triangles naming a vertex outside the arrays are left out.
void drawObject(const t3DObject& object, const tModelData& data) {
    size_t vertexCount = object.vertices.size() < object.normals.size() ? object.vertices.size()
                                                                        : object.normals.size();
    glBegin(GL_TRIANGLES);
    for (const tTriangle& face : object.faces) {
        if (!triangleInRange(face, vertexCount))
            continue;
        for (uint32_t vertex : face.vertIndex) {
            const Vector3& normal = object.normals[vertex];
            glNormal3f(normal.x, normal.y, normal.z);
            sendCornerSurface(object, data, vertex);
            const Vector3& position = object.vertices[vertex];
            glVertex3f(position.x, position.y, position.z);
        }
    }
    glEnd();
}

} // namespace

void Model3DS::draw() {
    for (const t3DObject& object : data.objects) {
        beginObject(object, textures);
        drawObject(object, data);
    }
}
