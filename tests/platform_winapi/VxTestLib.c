/* A tiny device library for the loader tests: plain C, loaded at run time. */

/* Resolved from the program when it exports it; absent otherwise. */
extern void SetLastError(unsigned code) __attribute__((weak));

int vx_add(int a, int b) { return a + b; }

unsigned vx_fail(void) {
    if (SetLastError) SetLastError(1234);
    return 0;
}
