/* Preloaded into the viewer: every glutSwapBuffers ends a frame, and the running count is
 * rewritten in place to the file named by FRAME_COUNTER_FILE for the driver script to poll. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

void glutSwapBuffers(void) {
    static void (*realSwap)(void);
    static unsigned long frames;
    static int fd = -2; /* -2: not opened yet */
    if (!realSwap && !(realSwap = (void (*)(void))dlsym(RTLD_NEXT, "glutSwapBuffers"))) abort();
    realSwap();
    const char* path = getenv("FRAME_COUNTER_FILE");
    if (fd == -2) fd = path ? open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644) : -1;
    char text[24]; /* fixed width: each rewrite replaces the whole number */
    const int length = snprintf(text, sizeof text, "%20lu\n", ++frames);
    if (fd >= 0 && length > 0) (void)!pwrite(fd, text, (size_t)length, 0);
}
