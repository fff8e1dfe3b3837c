/* Asks a window's client whether its event loop is alive: sends it the window
 * manager's _NET_WM_PING and waits for the pong, which the client sends back
 * to the root window (any Qt event loop answers it, a modal box's too).
 * Usage: orvalis-xping WINDOW_ID TIMEOUT_MS   (needs DISPLAY)
 * Exit status: 0 pong, 1 no pong in time, 2 usage or X error. */
#define _POSIX_C_SOURCE 200809L
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double nowMs(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

static xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
    xcb_atom_t atom = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return atom;
}

/* True when the event is the pong to our ping: the window manager's own
 * pings to the same window carry other time stamps. */
static int isPong(const xcb_generic_event_t* ev, xcb_atom_t protocols, xcb_atom_t ping,
                  uint32_t stamp, xcb_window_t window) {
    if ((ev->response_type & 0x7f) != XCB_CLIENT_MESSAGE) return 0;
    const xcb_client_message_event_t* m = (const xcb_client_message_event_t*)ev;
    return m->type == protocols && m->format == 32 && m->data.data32[0] == ping &&
           m->data.data32[1] == stamp && m->data.data32[2] == window;
}

/* Waits up to timeoutMs for our pong; 0 when it came, 1 when not. */
static int waitForPong(xcb_connection_t* c, xcb_atom_t protocols, xcb_atom_t ping, uint32_t stamp,
                       xcb_window_t window, int timeoutMs) {
    const double deadline = nowMs() + timeoutMs;
    struct pollfd pfd = {xcb_get_file_descriptor(c), POLLIN, 0};
    for (;;) {
        xcb_generic_event_t* ev;
        while ((ev = xcb_poll_for_event(c))) {
            const int found = isPong(ev, protocols, ping, stamp, window);
            free(ev);
            if (found) return 0;
        }
        if (xcb_connection_has_error(c)) return 1;
        const double left = deadline - nowMs();
        if (left <= 0) return 1;
        poll(&pfd, 1, (int)left + 1);
    }
}

/* Sends the ping as a window manager does; 0, or the X error's code. */
static int sendPing(xcb_connection_t* c, xcb_window_t window, xcb_atom_t protocols, xcb_atom_t ping,
                    uint32_t stamp) {
    xcb_client_message_event_t msg;
    memset(&msg, 0, sizeof msg);
    msg.response_type = XCB_CLIENT_MESSAGE;
    msg.format = 32;
    msg.window = window;
    msg.type = protocols;
    msg.data.data32[0] = ping;
    msg.data.data32[1] = stamp;
    msg.data.data32[2] = window;
    xcb_void_cookie_t sent =
        xcb_send_event_checked(c, 0, window, XCB_EVENT_MASK_NO_EVENT, (const char*)&msg);
    xcb_generic_error_t* err = xcb_request_check(c, sent);
    if (!err) return 0;
    const int code = err->error_code;
    free(err);
    return code;
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: orvalis-xping WINDOW_ID TIMEOUT_MS\n");
        return 2;
    }
    const xcb_window_t window = (xcb_window_t)strtoul(argv[1], NULL, 0);
    const int timeoutMs = atoi(argv[2]);
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        fprintf(stderr, "orvalis-xping: no X display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_atom_t protocols = internAtom(c, "WM_PROTOCOLS");
    const xcb_atom_t ping = internAtom(c, "_NET_WM_PING");

    /* Listen on the root before pinging, or a quick pong slips past. Qt
     * sends the pong to the root with StructureNotify and SubstructureRedirect
     * (other toolkits with SubstructureNotify); the redirect is the window
     * manager's alone. */
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);

    const uint32_t stamp = (uint32_t)getpid() ^ (uint32_t)nowMs();
    int status = sendPing(c, window, protocols, ping, stamp);
    if (status) {
        /* Most likely the window is gone: no answer to be had. */
        fprintf(stderr, "orvalis-xping: cannot send to 0x%x (X error %d)\n", window, status);
        status = 2;
    } else {
        status = waitForPong(c, protocols, ping, stamp, window, timeoutMs);
    }
    xcb_disconnect(c);
    return status;
}
