/* Starts a program on the X display and reports, in milliseconds since the
   start, when its first top-level window is mapped and when that window
   first shows painted content; then, after a pause, the program's resident
   memory. Used by tools/measure_startup.sh.
   Usage: startup_probe SETTLE_SECONDS PROGRAM [ARGS...] */
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double Now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long RssKiB(pid_t pid) {
  char path[64], line[256];
  long kib = -1;
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* f = fopen(path, "r");
  if (!f) return -1;
  while (fgets(line, sizeof line, f))
    if (sscanf(line, "VmRSS: %ld kB", &kib) == 1) break;
  fclose(f);
  return kib;
}

/* True once the window holds more than one colour: it has been painted. */
static int Painted(xcb_connection_t* c, xcb_window_t w) {
  xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, w), NULL);
  if (!g) return 0;
  xcb_get_image_reply_t* img = xcb_get_image_reply(
      c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, 0, 0, g->width, g->height, ~0u), NULL);
  free(g);
  if (!img) return 0;
  const uint32_t* px = (const uint32_t*)xcb_get_image_data(img);
  const int n = xcb_get_image_data_length(img) / 4;
  int colours = 0;
  for (int i = 1; i < n && !colours; ++i) colours = (px[i] & 0xFFFFFF) != (px[0] & 0xFFFFFF);
  free(img);
  return colours;
}

int main(int argc, char** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: %s SETTLE_SECONDS PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  xcb_connection_t* c = xcb_connect(NULL, NULL);
  if (xcb_connection_has_error(c)) return fprintf(stderr, "no X display\n"), 1;
  xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(c);

  const double start = Now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  xcb_window_t window = 0;
  xcb_generic_event_t* e;
  /* Windows of a few pixels (a toolkit's hidden helpers) are no window the
     user sees, and never show painted content. */
  while (!window && (e = xcb_wait_for_event(c))) {
    if ((e->response_type & 0x7F) == XCB_MAP_NOTIFY) {
      const xcb_window_t mapped = ((xcb_map_notify_event_t*)e)->window;
      xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, mapped), NULL);
      if (g && g->width >= 16 && g->height >= 16) window = mapped;
      free(g);
    }
    free(e);
  }
  const double mapped = Now() - start;
  while (!Painted(c, window)) usleep(500);
  const double painted = Now() - start;
  const long rssShown = RssKiB(pid);
  sleep((unsigned)atoi(argv[1]));
  const long rssSettled = RssKiB(pid);
  printf("mapped_ms=%.1f painted_ms=%.1f rss_shown_mib=%.1f rss_settled_mib=%.1f\n", mapped, painted,
         rssShown / 1024.0, rssSettled / 1024.0);
  fflush(stdout);
  /* A program that asks before it quits (Qsynth) is made to. */
  kill(pid, SIGTERM);
  int ended = 0;
  for (int i = 0; i < 200 && !ended; ++i) ended = waitpid(pid, NULL, WNOHANG) == pid || (usleep(10000), 0);
  if (!ended) {
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
  }
  xcb_disconnect(c);
  return 0;
}
