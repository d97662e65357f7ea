/* Preloaded into the viewer to count its frames without touching it: every call of
 * glutSwapBuffers ends one drawn frame. The running count is rewritten in place to the file
 * named by FRAME_COUNTER_FILE so that a driver script can poll it while the viewer runs. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

static unsigned long frames;
static int countFd = -2; /* -2: not opened yet, -1: no file wanted or open failed */

static void publish(void) {
    if (countFd == -2) {
        const char* path = getenv("FRAME_COUNTER_FILE");
        countFd = path ? open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644) : -1;
    }
    if (countFd < 0) return;
    /* Fixed width, so each rewrite fully replaces the previous number. */
    char text[24];
    const int length = snprintf(text, sizeof text, "%20lu\n", frames);
    if (length > 0) (void)!pwrite(countFd, text, (size_t)length, 0);
}

void glutSwapBuffers(void) {
    static void (*realSwap)(void);
    if (!realSwap) {
        realSwap = (void (*)(void))dlsym(RTLD_NEXT, "glutSwapBuffers");
        if (!realSwap) {
            fprintf(stderr, "frame_counter: glutSwapBuffers not found\n");
            abort();
        }
    }
    realSwap();
    ++frames;
    publish();
}
