/* Start-up timer: starts a program and reports the milliseconds until it maps
 * its first top-level window, then its peak memory (VmHWM) a moment later.
 * Usage: mapwait SETTLE_MS PROGRAM [ARGS...]   (needs DISPLAY) */
#define _POSIX_C_SOURCE 200809L
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double nowMs(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

static long vmHwmKb(pid_t pid) {
    char path[64], line[256];
    long kb = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f) return -1;
    while (fgets(line, sizeof line, f))
        if (strncmp(line, "VmHWM:", 6) == 0) kb = strtol(line + 6, NULL, 10);
    fclose(f);
    return kb;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: mapwait SETTLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    int settle = atoi(argv[1]);
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "mapwait: no X display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    double start = nowMs();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    xcb_generic_event_t* ev;
    double mapped = -1;
    while ((ev = xcb_wait_for_event(c))) {
        int type = ev->response_type & 0x7f;
        free(ev);
        if (type == XCB_MAP_NOTIFY) {
            mapped = nowMs() - start;
            break;
        }
    }
    struct timespec pause = {settle / 1000, (settle % 1000) * 1000000L};
    nanosleep(&pause, NULL);
    long hwm = vmHwmKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    printf("mapped_ms %.1f vmhwm_kb %ld\n", mapped, hwm);
    xcb_disconnect(c);
    return 0;
}
