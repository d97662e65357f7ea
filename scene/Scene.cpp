#include "scene/Scene.h"

#include "mesh/GeoReader.h"

#include <cassert>
#include <fstream>
#include <iostream>

std::vector<SceneObject> sceneObjects;
std::vector<std::uint32_t> occluderIndices;
std::vector<std::uint32_t> occludeeIndices;
std::vector<std::uint32_t> visibleIndices;

void buildScene() { buildScene(sceneMeshPath, std::cerr); }

void buildScene(const std::string& meshPath, std::ostream& errors) {
    assert(sceneObjects.empty() && occluderIndices.empty() && occludeeIndices.empty());

    SceneObject prototype{std::string()};
    std::ifstream file(meshPath);
    if (file.is_open()) {
        file >> prototype;
        if (prototype.vertices.size() > maxMeshVertices || prototype.faces.size() > maxMeshFaces) {
            errors << "Mesh \"cube.geo\" is too large: " << prototype.vertices.size() << " vertices and "
                   << prototype.faces.size() << " faces, at most " << maxMeshVertices << " vertices and "
                   << maxMeshFaces << " faces; the scene is left empty" << std::endl;
            prototype = SceneObject{std::string()};
        }
        prototype.translation = {-200.0, -200.0, -200.0};
        prototype.scale = {0.25, 0.25, 0.25};
        prototype.setColor(occludeeColor);
        prototype.applyTransform();
        file.close();
    } else {
        errors << "Failed to open \"cube.geo\"\n" << std::endl;
    }
    // Each copy is moved to its grid cell and turned once more by the file's rotation.
    prototype.scale = {1.0, 1.0, 1.0};

    SceneObject work{std::string()};
    for (int i = 0; i < gridSize; ++i) {
        for (int j = 0; j < gridSize; ++j) {
            for (int k = 0; k < gridSize; ++k) {
                prototype.translation = {gridSpacing * i, gridSpacing * j, gridSpacing * k};
                work = prototype;
                const bool occluder = i < occluderLayers || k < occluderLayers;
                if (occluder) work.setColor(occluderColor);
                work.applyTransform();
                sceneObjects.push_back(work);
                const auto index = static_cast<std::uint32_t>(sceneObjects.size() - 1);
                (occluder ? occluderIndices : occludeeIndices).push_back(index);
            }
        }
    }
}
