#pragma once
// The viewer: start-up, the GLUT callbacks and the per-frame sequence.

#include <fstream>

extern std::ofstream outputFile; // "output.txt": the one record written on Escape

// Start-up in its fixed order, ending in the toolkit's event loop (never returns).
void initApp();

void display();
void reshape(int width, int height);
void keyboard(unsigned char key, int x, int y);
void setupLighting();

// Writes the Escape record: "Time spent traversing the tree: <seconds> seconds." and a line end.
void writeExitRecord(std::ostream& out, double seconds);
