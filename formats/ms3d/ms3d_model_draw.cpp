#include "formats/ms3d/ms3d_model.h"
#include "scene/gl.h"

namespace {

// A group without a material of its own keeps the material state of the
// group before it and is drawn untextured.
void applyMaterial(const MS3DModel& model, const MS3DGroup& group) {
    if (group.materialIndex < 0 ||
        group.materialIndex >= static_cast<int>(model.materials.size())) {
        glDisable(GL_TEXTURE_2D);
        return;
    }
    const MS3DMaterial& material = model.materials[group.materialIndex];
    glMaterialfv(GL_FRONT, GL_AMBIENT, material.ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, material.diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, material.specular);
    glMaterialfv(GL_FRONT, GL_EMISSION, material.emissive);
    glMaterialf(GL_FRONT, GL_SHININESS, material.shininess);
    if (material.texture != 0) {
        glBindTexture(GL_TEXTURE_2D, material.texture);
        glEnable(GL_TEXTURE_2D);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

bool triangleInRange(const MS3DModel& model, int index) {
    if (index < 0 || index >= static_cast<int>(model.triangles.size()))
        return false;
    for (int vertex : model.triangles[index].vertexIndices)
        if (vertex < 0 || vertex >= static_cast<int>(model.vertices.size()))
            return false;
    return true;
}

// Indices are checked by the reader; a triangle outside the arrays (a model
// assembled by other means) is left out rather than read past them.
void drawGroup(const MS3DModel& model, const MS3DGroup& group) {
    glBegin(GL_TRIANGLES);
    for (int index : group.triangleIndices) {
        if (!triangleInRange(model, index))
            continue;
        const MS3DTriangle& triangle = model.triangles[index];
        for (int corner = 0; corner < 3; ++corner) {
            glNormal3fv(triangle.normals[corner]);
            glTexCoord2f(triangle.s[corner], triangle.t[corner]);
            glVertex3fv(model.vertices[triangle.vertexIndices[corner]].point);
        }
    }
    glEnd();
}

} // namespace

void MS3DModel::draw() {
    const bool texturing = glIsEnabled(GL_TEXTURE_2D) == GL_TRUE;
    for (const MS3DGroup& group : groups) {
        applyMaterial(*this, group);
        drawGroup(*this, group);
    }
    if (texturing)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
}
