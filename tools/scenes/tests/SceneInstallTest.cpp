// The scene model installed as the viewer's lists: above the lean count, objects that do not
// occlude keep only their box corners.
#include "SceneInstall.h"
#include "scene/Scene.h"

#include <gtest/gtest.h>

using namespace Scenes;

namespace {

// `count` placed copies of a 12-triangle box, every tenth one occluding.
SceneModel boxes(std::size_t count) {
    SceneModel scene;
    Mesh mesh;
    for (int corner = 0; corner < 8; ++corner)
        mesh.positions.push_back(
            {corner & 1 ? 1.0f : 0.0f, corner & 2 ? 1.0f : 0.0f, corner & 4 ? 1.0f : 0.0f});
    mesh.indices = {0, 2, 3, 0, 3, 1, 4, 5, 7, 4, 7, 6, 0, 1, 5, 0, 5, 4,
                    2, 6, 7, 2, 7, 3, 0, 4, 6, 0, 6, 2, 1, 3, 7, 1, 7, 5};
    computeBox(mesh);
    scene.meshes.push_back(mesh);
    for (std::size_t n = 0; n < count; ++n)
        addObject(scene, 0,
                  translation({2.0f * static_cast<float>(n % 1000), 0, 2.0f * static_cast<float>(n / 1000)}),
                  n % 10 == 0 ? Occludes | Tested : Tested, "a name too long for the string's own buffer");
    return scene;
}

// Catches the lean install starting at the wrong count, stripping an occluder (the methods
// rasterize its faces), keeping a lean object's faces, name or more than its corners (the memory a
// million objects cannot spare), and corners that are not the object's box.
TEST(SceneInstall, LeanAboveTheCountKeepsOccludersWhole) {
    for (std::size_t count : {leanObjectCount, leanObjectCount + 1}) {
        SCOPED_TRACE(count);
        const SceneModel scene = boxes(count);
        const bool lean = count > leanObjectCount;
        EXPECT_EQ(installsLean(scene), lean);
        EXPECT_TRUE(installScene(scene).empty()); // every object is tested
        ASSERT_EQ(sceneObjects.size(), count);
        EXPECT_EQ(occludeeIndices.size(), count);
        EXPECT_EQ(occluderIndices.size(), (count + 9) / 10);
        std::size_t heapBytes = 0;
        for (std::size_t n = 0; n < count; ++n) {
            const SceneObject& object = sceneObjects[n];
            const bool whole = !lean || n % 10 == 0;
            ASSERT_EQ(object.faces.size(), whole ? 12u : 0u) << n;
            ASSERT_EQ(object.vertices.size(), whole ? 16u : 8u) << n;
            const Box& box = scene.objects[n].box;
            EXPECT_EQ(object.vertices[0].x, box.min.x);
            EXPECT_EQ(object.vertices[7].z, box.max.z);
            EXPECT_EQ(object.name.empty(), !whole) << n;
            if (!whole)
                heapBytes += object.vertices.capacity() * sizeof(Geometry::Vector) + object.name.capacity();
        }
        if (lean) { // the corners alone, plus the short-string buffer every std::string has
            EXPECT_LE(heapBytes, (count - occluderIndices.size()) * (8 * sizeof(Geometry::Vector) + 15));
        }
    }
    sceneObjects.clear();
    occluderIndices.clear();
    occludeeIndices.clear();
}

} // namespace
