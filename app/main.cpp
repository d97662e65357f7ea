#include "app/Viewer.h"

int main(int /*argc*/, char** /*argv*/) {
    initApp();
    return 0;
}
