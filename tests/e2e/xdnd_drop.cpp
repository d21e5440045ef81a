// A Linux X client that drops files onto whatever window lies at a point of the screen,
// with the XDND protocol that a file manager uses when a user drags files from it onto
// a window. Under Wine this is how files dropped onto a program's window arrive: the
// X11 driver turns the drop into WM_DROPFILES for a window that accepts files.
//
//   xdnd_drop X Y PATH...
//
// X and Y are root-window coordinates, each PATH an absolute Unix path. Exits 0 once the
// target has taken the drop (XdndFinished) and printed "xdnd_drop: finished"; otherwise
// prints "xdnd_drop: failed: " and why, and exits 1.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Every step waits this long at most: a loaded machine can be slow, a drop that never
// finishes must still end.
constexpr auto kStepTimeout = std::chrono::seconds(30);
constexpr long kOurVersion = 5;

struct Atoms {
  Atom aware, enter, position, status, drop, finished, leave, selection, copy, uriList, targets;
  explicit Atoms(Display* display)
      : aware(XInternAtom(display, "XdndAware", False)),
        enter(XInternAtom(display, "XdndEnter", False)),
        position(XInternAtom(display, "XdndPosition", False)),
        status(XInternAtom(display, "XdndStatus", False)),
        drop(XInternAtom(display, "XdndDrop", False)),
        finished(XInternAtom(display, "XdndFinished", False)),
        leave(XInternAtom(display, "XdndLeave", False)),
        selection(XInternAtom(display, "XdndSelection", False)),
        copy(XInternAtom(display, "XdndActionCopy", False)),
        uriList(XInternAtom(display, "text/uri-list", False)),
        targets(XInternAtom(display, "TARGETS", False)) {}
};

// A file URI as file managers write them: every byte but the unreserved ones and "/"
// percent-encoded, so that spaces and UTF-8 names survive.
std::string FileUri(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string uri = "file://";
  for (const unsigned char c : path) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_' || c == '.' || c == '~' || c == '/';
    if (plain) {
      uri += static_cast<char>(c);
    } else {
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 15];
    }
  }
  return uri;
}

// The XDND version the window announces, 0 when it takes no drops.
long AwareVersion(Display* display, Window window, const Atoms& atoms) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  long version = 0;
  if (XGetWindowProperty(display, window, atoms.aware, 0, 1, False, XA_ATOM, &type, &format, &count, &after,
                         &data) == Success &&
      type == XA_ATOM && format == 32 && count == 1) {
    version = static_cast<long>(*reinterpret_cast<Atom*>(data));
  }
  if (data) XFree(data);
  return version;
}

// The outermost window at the point that takes drops, as a drag source finds it while
// the pointer moves; None when there is none.
Window TargetAt(Display* display, Window root, int x, int y, const Atoms& atoms, long& version) {
  Window window = root;
  for (;;) {
    Window child = None;
    int childX = 0, childY = 0;
    if (!XTranslateCoordinates(display, root, window, x, y, &childX, &childY, &child) || child == None) {
      return None;
    }
    version = AwareVersion(display, child, atoms);
    if (version > 0) return child;
    window = child;
  }
}

void Send(Display* display, Window target, Atom type, long l0, long l1, long l2, long l3, long l4) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.display = display;
  event.xclient.window = target;
  event.xclient.message_type = type;
  event.xclient.format = 32;
  event.xclient.data.l[0] = l0;
  event.xclient.data.l[1] = l1;
  event.xclient.data.l[2] = l2;
  event.xclient.data.l[3] = l3;
  event.xclient.data.l[4] = l4;
  XSendEvent(display, target, False, NoEventMask, &event);
  XFlush(display);
}

// The target asks for the dragged data (it may ask again at the drop): text/uri-list,
// or the list of types it can have.
void AnswerSelectionRequest(Display* display, const XSelectionRequestEvent& request, const Atoms& atoms,
                            const std::string& uriList) {
  XEvent reply{};
  reply.xselection.type = SelectionNotify;
  reply.xselection.display = display;
  reply.xselection.requestor = request.requestor;
  reply.xselection.selection = request.selection;
  reply.xselection.target = request.target;
  reply.xselection.time = request.time;
  reply.xselection.property = None;
  const Atom property = request.property != None ? request.property : request.target;
  if (request.selection == atoms.selection && request.target == atoms.uriList) {
    XChangeProperty(display, request.requestor, property, atoms.uriList, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(uriList.data()), static_cast<int>(uriList.size()));
    reply.xselection.property = property;
  } else if (request.selection == atoms.selection && request.target == atoms.targets) {
    const Atom offered[] = {atoms.targets, atoms.uriList};
    XChangeProperty(display, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(offered), 2);
    reply.xselection.property = property;
  }
  XSendEvent(display, request.requestor, False, NoEventMask, &reply);
  XFlush(display);
}

int Fail(const char* why) {
  std::printf("xdnd_drop: failed: %s\n", why);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return Fail("usage: xdnd_drop X Y PATH...");
  const int x = std::atoi(argv[1]);
  const int y = std::atoi(argv[2]);
  std::string uriList;
  for (int i = 3; i < argc; ++i) uriList += FileUri(argv[i]) + "\r\n";

  Display* display = XOpenDisplay(nullptr);
  if (!display) return Fail("cannot open the X display named by DISPLAY");
  const Atoms atoms(display);
  const Window root = DefaultRootWindow(display);
  // The source's own window: it owns the dragged data and receives the target's answers.
  const Window source = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
  XSetSelectionOwner(display, atoms.selection, source, CurrentTime);
  if (XGetSelectionOwner(display, atoms.selection) != source) return Fail("cannot own XdndSelection");

  long targetVersion = 0;
  const Window target = TargetAt(display, root, x, y, atoms, targetVersion);
  if (target == None) return Fail("no window that takes drops at that point");
  const long version = targetVersion < kOurVersion ? targetVersion : kOurVersion;
  std::printf("xdnd_drop: target window 0x%lx, XDND version %ld\n", target, version);

  // Enter with one type (listed in the message itself), then one move over the point.
  const auto enteredAt = std::chrono::steady_clock::now();
  Send(display, target, atoms.enter, static_cast<long>(source), version << 24, static_cast<long>(atoms.uriList), 0, 0);
  Send(display, target, atoms.position, static_cast<long>(source), 0, (static_cast<long>(x) << 16) | y, CurrentTime,
       static_cast<long>(atoms.copy));

  bool dropped = false;
  auto deadline = std::chrono::steady_clock::now() + kStepTimeout;
  pollfd connection{ConnectionNumber(display), POLLIN, 0};
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == SelectionRequest) {
        AnswerSelectionRequest(display, event.xselectionrequest, atoms, uriList);
        // Wine waits only about half a second for the data: a slow answer loses the drop.
        char* asked = XGetAtomName(display, event.xselectionrequest.target);
        std::printf("xdnd_drop: gave %s %lld ms after the enter\n", asked ? asked : "?",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                               std::chrono::steady_clock::now() - enteredAt)
                                               .count()));
        if (asked) XFree(asked);
      } else if (event.type == ClientMessage && event.xclient.message_type == atoms.status && !dropped) {
        if ((event.xclient.data.l[1] & 1) == 0) {
          Send(display, target, atoms.leave, static_cast<long>(source), 0, 0, 0, 0);
          return Fail("the window refused the files");
        }
        Send(display, target, atoms.drop, static_cast<long>(source), 0, CurrentTime, 0, 0);
        dropped = true;
        deadline = std::chrono::steady_clock::now() + kStepTimeout;
      } else if (event.type == ClientMessage && event.xclient.message_type == atoms.finished) {
        std::printf("xdnd_drop: finished\n");
        XCloseDisplay(display);
        return 0;
      }
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return Fail(dropped ? "the window never finished the drop" : "the window never answered");
    poll(&connection, 1, static_cast<int>(left.count()));
  }
}
