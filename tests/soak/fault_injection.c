/* Deliberate faults for checking the soak and memcheck harnesses, chosen by SOAK_INJECT_FAULT.
 * Each one must make a run fail, proving that the corresponding check is live:
 *   leak      one block lost (leak check at exit)
 *   overflow  a one-byte heap overflow (AddressSanitizer, memcheck)
 *   growth    16 KiB kept reachable every frame (RSS check; no leak is reported)
 * The one-off faults strike at frame SOAK_INJECT_AT (default 100). */
#include <stdlib.h>
#include <string.h>

struct Block {
    struct Block* next;
    char payload[16 * 1024 - sizeof(struct Block*)];
};

static struct Block* kept;  /* reachable until exit */
static void* volatile sink; /* makes the allocations observable, so none is optimised away */

void injectFault(unsigned long frame) {
    static const char* fault;
    static unsigned long strikeFrame = 100;
    if (!fault) {
        fault = getenv("SOAK_INJECT_FAULT");
        if (!fault) fault = "none";
        const char* at = getenv("SOAK_INJECT_AT");
        if (at && strtoul(at, NULL, 10) > 0) strikeFrame = strtoul(at, NULL, 10);
    }
    if (strcmp(fault, "leak") == 0 && frame == strikeFrame) {
        char* lost = malloc(4096);
        if (lost) memset(lost, 1, 4096);
        sink = lost;
        sink = NULL;
    } else if (strcmp(fault, "overflow") == 0 && frame == strikeFrame) {
        volatile size_t size = 16;
        char* block = malloc(size);
        sink = block; /* escapes, so the store below cannot be dropped */
        if (block) memset(block, 0, size + 1);
    } else if (strcmp(fault, "growth") == 0) {
        struct Block* block = malloc(sizeof *block);
        if (!block) return;
        memset(block->payload, 1, sizeof block->payload);
        block->next = kept;
        kept = block;
    }
}
