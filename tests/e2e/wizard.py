"""Drives the real build/tolmwizard the way a person would, for end-to-end tests.

    import sys; sys.path.insert(0, os.path.join(os.environ["SOURCE_DIR"], "tests", "e2e"))
    from wizard import Wizard

    with Wizard(build_dir, config={"EnableLauncher": "0"}) as w:   # lab=Lab(...) to run in it
        w.wait_window()                     # the main window "olvaris Setup Wizard"
        w.screenshot("welcome.png")         # -> <build_dir>/screenshots/welcome.png
        w.texts()                           # the visible widgets' texts (Wizard(..., texts=True))
        w.click(400, 300)                   # window-relative, like a mouse click
        w.wait_log("Start Tcp Server", 10)
        w.close_window()                    # what a window manager's close button sends
        code = w.wait_exit(10)

What a Wizard does:
- copies <build_dir>/tolmwizard with lang/ and the shipped resources/config.xml (not the build's, which
  a developer may have edited) into a fresh temporary folder and writes the given config.xml values
  there. config is merged over DEFAULT_CONFIG; a key is a node name (found anywhere in the file, or made
  under the root when missing); a value of None removes the node.
  files={"installer/viewer_setup": b"..."} adds files beside the program ("#!" content is made executable);
- starts its own Xvfb on a free display number, then the program on it (env={"HOME": ...} sets its
  variables, a value of None removes one) with a temporary folder (TMPDIR, w.tmp) and a runtime folder
  of its own, inside the network namespace lab.pc_ns when a lab is given (the lab itself is not
  touched otherwise), else in a namespace of its own that has only loopback, so that tests run side
  by side; the X server's socket lies in a folder of its own (XServer), which the program, in a mount
  namespace of its own, sees as /tmp/.X11-unix;
- finds windows by title with xdotool; clicks, types and presses keys as a person would;
- saves screenshots (ImageMagick import) under <build_dir>/screenshots/, cropped to the window, or in the program
  as it reads the texts (picture());
- always ends the program and Xvfb and removes the temporary folder: on stop(), on leaving the with
  block, on SIGTERM/SIGINT and at interpreter exit. Set KEEP_WIZARD_DIR=1 to keep the folder.

A Wizard's waiting calls (wait_window, wait_log, wait_exit, request, ...) wait for something of the program and
raise TimeoutError with its stderr and log tail when their limit runs out or the program ends first (STEP_S
by default: generous, for a loaded machine); settle() returns False instead. The module's own waits fail
otherwise: wait_until, for a condition of the test's, raises AssertionError (a test failure), first_line
RuntimeError.

Shared steps of a person (in the lab only: Start broadcasts on every interface):

    with Lab(internet=True) as lab:
        net = LabInternet(lab)              # probe site, catalogue and sprites, under the program's host names
        cloud = LabCloud(lab)               # the cloud portal and API site (cloudsim)
        with Wizard(build_dir, lab=lab) as w:
            w.start()                       # welcome page -> Start -> the licence page (or start_local_only())
            w.agree()                       # tick the box, "I Agree" -> the connection guide
            w.choose_model("VKC-2100")      # a model of the guide's list (choose() for any list)
            w.skip_guide()                  # the model prompt's "Skip instruction" -> discovery scans
            # or w.to_guide(), w.to_discovery(), w.to_setup_page(mac) for the whole road;
            # w.to_local_discovery(cameras) and w.choose_camera() for the road without Internet
            w.set_up_camera("pw", new=True)  # setup page: password (twice when new), Next -> the cloud page
            w.sign_in(email, pw)            # or w.sign_up(email, pw), w.skip_cloud(): the cloud step
            w.click(*FINISH); w.wait_clean_exit(lab)  # status 0, no error printed, ports closed, w.tmp empty
            w.snap("page.png", "a log line", 30)  # the log line, the window settled, the screenshot
            w.settle()                      # until the window shows the same picture for a while
            w.assert_logged("a log line")   # fails naming the line, not the whole log
        ap = AccessPointLink(lab)           # the camera's own access point: ap.camera(...), ap.join(), ap.leave()
        w.to_access_point_search(model, direct=True, before_search=ap.join)  # guide -> the camera's search
        w.ap_password(pw); w.ap_to_home_wifi(key); w.ap_find_again(ap.leave)  # -> discovery, camera found
        upd = UpdateInternet(lab)           # the same with a newer version offered and the update service
        w.answer_dialog("/some/folder")     # text into a dialog over the main window, then Return

Simulated cameras in a lab (lab_for(test) makes one that the test closes, or skips the test;
online_lab(test, cloud=True) adds LabInternet and LabCloud):
    process, record = start_camsim(lab, [{"mac": ..., "model": ..., "ip": ...}])   # tests/tools/camsim
    process, cgi_record = start_camcgi(lab, ip, 443, password)                      # its HTTPS CGI
    records(record, "7", mac)               # what each was asked, as dicts (of one class, one camera)
    read_record(path)                       # any simulator's record; a missing file fails
    first_line(proc, "netsim")              # a server's "ready" line, within STEP_S
    wait_until(lambda: ..., STEP_S, "what") # a condition of the test's own, polled
    flood(lab, cam_mac, 5, "--survey")      # tests/tools/dcpflood at the PC side; datagrams sent
"""

import atexit
import hashlib
import json
import ctypes
import ctypes.util
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
import xml.etree.ElementTree as ET

SOURCE_DIR = os.environ.get("SOURCE_DIR", os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
BUILD_DIR = os.environ.get("BUILD_DIR", os.path.join(SOURCE_DIR, "build"))
NETSIM_DIR = os.path.join(SOURCE_DIR, "tests", "tools", "netsim")
CATALOGUE_DIR = os.path.join(SOURCE_DIR, "tests", "data", "catalogue")
CAMSIM = os.path.join(BUILD_DIR, "tests", "camsim")
CAMCGI = os.path.join(SOURCE_DIR, "tests", "tools", "camcgi", "camcgi.py")
DCPFLOOD = os.path.join(BUILD_DIR, "tests", "dcpflood")

sys.path.insert(0, NETSIM_DIR)
sys.path.insert(0, os.path.join(SOURCE_DIR, "tests", "lab"))
import pictures  # noqa: E402

MAIN_TITLE = "olvaris Setup Wizard"

# Places in the main window (800 x 650; pages sit at y 100).
WELCOME_START = (130 + 75, 100 + 131 + 15)
AGREEMENT_CHECK = (160 + 8, 100 + 354 + 9)
AGREEMENT_NEXT = (420 + 55, 100 + 394 + 12)
MODEL_LIST = (50 + 116, 100 + 116 + 13)
GUIDE_SKIP = (490 + 70, 100 + 450 + 12)
GUIDE_NEXT = (640 + 55, 100 + 450 + 12)
CAMERA_ROWS = (67 + 190, 100 + 111 + 20)  # the discovery table's first row; rows are 40 apart
NO_INTERNET_LOCAL_ONLY = (587, 562)
NO_INTERNET_EXIT, NO_INTERNET_RETRY = (50 + 55, 562), (660 + 55, 562)
MAIN_EXIT_LINK = (757, 625)  # "Exit" at the right end of the footer
EXIT_POPUP_YES = (91 + 480 + 55, 200 + 180 + 12)  # the white "Yes" of the 618 x 250 exit popup
SETUP_NAME, SETUP_PASSWORD, SETUP_RETYPE = (326, 186), (326, 237), (326, 287)
CLOUD_EXISTING_ACCOUNT, CLOUD_NO_THANKS = (314, 200), GUIDE_NEXT
CLOUD_FORM_EMAIL, CLOUD_FORM_PASSWORD, CLOUD_FORM_SUBMIT = (160, 320), (160, 375), (100, 412)  # the service's form
SHORTCUT_BOX, FINISH = (58, 419), GUIDE_NEXT
TYPE_LIST = (166, 268)  # the connection types of a model with more than one
AP_PASSWORD, AP_FIRST_NETWORK = (316, 253), (170, 254)  # the access-point pages' password and survey list
AP_BOX_PASSWORD, AP_BOX_CONNECT = (421, 353), (626, 422)  # the home Wi-Fi's password box

# Log lines that mark where the program is.
LICENCE_SHOWN = "checkWizardJsonFileTimer stop at"
CAMERA_LISTED = "Got new IPCamera and Update Device Table List in idx :"
GUIDE_SHOWN = "01 Got index changed :"
DISCOVERY_SCANS = "Send <DCP_Class_01> and broudcast to interface :"
POPUP_MADE = "MessageBoxPage Constructor Initializing ..."
WIRELESS_BOX_MADE = "WirelessMessageBox Constructor Initializing ..."
CLOUD_PAGE_SHOWN = "checkOpenAPIUriInfoTimer stop at"
WIFI_LIST_SHOWN = "checkdWiFiAPListSiteSurveyTimer stop at"
SUMMARY_SHOWN = "Setup complete, snapshot every"
DCP_PORT, REDIRECT_PORT = 5978, 5979
LAUNCHER_TITLE = "olvaris Launcher"
DEFAULT_CONFIG = {"EnableLauncher": "0", "EnableForQATest": "0", "EnableLog": "Logenable"}
SCREEN = (1280, 1024)
# The limit of a step that follows a click or the step before it: generous, for a loaded machine. Every wait
# ends as soon as what it waits for is there.
STEP_S = 30
# The cloud flow after the form is sent: the service's redirect, device add and account over HTTPS, then the
# camera's register bit, asked on a timer of a second.
CLOUD_FLOW_S = 3 * STEP_S

# An error at a clean exit: a log.txt line of warning level or above, Qt's own among them, or any line on the
# standard error, where only what comes before the log begins still goes ("Cannot open ...").
ERROR_LEVELS = ("[Warning]", "[Critical]", "[Fatal]")

# A secret in the log shows none of its characters: an access token, a code or the suffix of this program's OAuth
# state in a query (up to "&", a space or a quote), a password, key or token quoted after its label
# ('Password : "..."'; bPassword is a flag).
_SECRETS = re.compile(r'(?:access_token|[?&]code)=([^&\s"]*)|state=tolmwizard_sign(?:in|up)([^&\s"]*)'
                      r'|(?<!\bb)(?i:password|passcode|pwd|token|basic|linedit)\w*"?\s*:?"?\s+"([^"]*)"')

_live = set()


def unmasked_secrets(text):
    """The secrets in text (a log) that show any of their characters."""
    return [m.group(0) for m in _SECRETS.finditer(text) if "".join(m.groups(default="")).strip("*")]


def popup_button(height, x=480):
    """The middle of a popup's button at x in a popup of this height, centred in the window."""
    return 91 + x + 55, (650 - height) // 2 + height - 50 + 12


# --- the lab's simulated cameras ---

def unavailable_reason(lab=True):
    """What this machine lacks to drive the program in a lab (lab=False: in a network namespace of its own),
    or None when nothing is missing."""
    import lab as labmod
    reason = labmod.unavailable_reason() if lab else _own_network_reason()
    for tool in ("Xvfb", "xdotool", "import", "convert", "ss", "mount", "nsenter"):
        reason = reason or (None if shutil.which(tool) else "'%s' is not installed (scripts/setup installs it)" % tool)
    for path in (os.path.join(BUILD_DIR, "tolmwizard"), CAMSIM):
        reason = reason or (None if os.path.exists(path) else path + " is missing (scripts/build makes it)")
    return reason


def _own_network_reason():
    try:
        probe = subprocess.run(["unshare", "--net", "true"], capture_output=True, text=True, timeout=30)
    except FileNotFoundError:
        return "'unshare' is not installed (util-linux)"
    if probe.returncode != 0:
        return "'unshare --net' fails (it needs root): " + probe.stderr.strip()
    return None


def skip_unless_available(lab=True):
    """Skips the test, naming what is missing, when unavailable_reason(lab) finds something."""
    reason = unavailable_reason(lab)
    if reason:
        raise unittest.SkipTest(reason)


def lab_for(test, internet=False):
    """A started lab that closes when test ends (or, given a test class in setUpClass, after its last test);
    skips where no lab can be made or nothing is built."""
    import lab as labmod
    skip_unless_available()
    lab = labmod.Lab(internet=internet).start()
    (test.addClassCleanup if isinstance(test, type) else test.addCleanup)(lab.close)
    return lab


def online_lab(test, cloud=False, **internet_options):
    """lab_for(test, internet=True) with its LabInternet(**internet_options) and, with cloud=True, a LabCloud
    under the same hosts file; returns (lab, internet, cloud or None)."""
    lab = lab_for(test, internet=True)
    internet = LabInternet(lab, **internet_options)
    service = LabCloud(lab) if cloud else None
    if service:
        lab.set_hosts(dict(internet.hosts, **service.hosts))
    return lab, internet, service


def flood(lab, cam_mac, seconds, *what, wait=True):
    """tests/tools/dcpflood from the camera side at the PC for seconds (what: --text ... or --survey); the
    number of datagrams sent, or the running process with wait=False."""
    proc = lab.cam([DCPFLOOD, "--to", lab.pc_ip, "--pc-mac", lab.pc_mac, "--cam-mac", cam_mac, "--seconds",
                    str(seconds), *what], stdout=subprocess.PIPE if wait else subprocess.DEVNULL, text=True)
    return int(proc.communicate(timeout=seconds + 30)[0].strip() or 0) if wait else proc


def start_camsim(lab, cameras, name="cameras"):
    """Runs the camera simulator with these cameras (dicts, see tests/tools/camsim) on the lab's camera
    side; returns its process and the file of the requests it got, once it listens."""
    path = os.path.join(lab.workdir, name + ".json")
    with open(path, "w", encoding="utf-8") as f:
        json.dump({"cameras": cameras}, f)
    record = os.path.join(lab.workdir, name + ".jsonl")
    proc = lab.cam([CAMSIM, "--config", path, "--record", record])
    lab.wait_listening("cam", "udp", 5978)
    return proc, record


def start_camcgi(lab, ip, port, password, *options):
    """Runs a camera's HTTPS CGI (tests/tools/camcgi) at ip:port on the camera side; returns its process
    and the file of the requests it got, once it listens."""
    record = os.path.join(lab.workdir, "cgi-%s-%d.jsonl" % (ip, port))
    proc = lab.cam(["python3", CAMCGI, "--bind", ip, "--port", str(port), "--password", password, "--record", record]
                   + list(options))
    lab.wait_listening("cam", "tcp", port, timeout=30)
    return proc, record


def catalogue_of(prefix):
    """tests/data's catalogue with only the models whose names start with prefix (for LabInternet):
    the guide's "Skip instruction" then leaves the model prompt chosen, and discovery lists them all."""
    with open(os.path.join(CATALOGUE_DIR, "tolmwizard.json"), encoding="utf-8") as f:
        catalogue = json.load(f)
    catalogue["Cameras"] = [c for c in catalogue["Cameras"] if c["Model"].startswith(prefix)]
    return catalogue


def wait_until(condition, timeout, what):
    """Polls condition() until it gives something true, and returns that; fails naming what after timeout s."""
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() > end:
            break
        time.sleep(0.1)
    if not value:
        raise AssertionError("%s: not within %s s" % (what, timeout))
    return value


class LoadGauge:
    """How much more CPU time the same work is counted now than on a quiet machine, on the cores this test runs on. On
    a virtual machine kept busy the CPU time counted for work grows toward the wall time it took: a page fault waits for
    the other cores to drop the page's old mapping, and that wait counts. The wizard's decodes (a process forked for
    each, which writes new pages) meet it the most, a computation alone hardly. Started beside a window of the wizard's
    work, the gauge runs a small process of its own on the same cores (this one's) that forks a reference every second,
    which writes 256 pages and computes a little; factor() gives the median reference's CPU time over QUIET_S, at least
    1 and at most MOST. A bound of the wizard's CPU time in that window is judged as bound * factor(): a wizard that
    spends a core throughout still fails it, up to MOST, which a busier machine cannot judge."""

    QUIET_S = 0.02  # a reference on this project's machine at its least busy: the least of some 250, taken over an hour
    MOST = 3.0
    REFERENCE = """
import os, resource, sys, time
pages = bytearray(256 * 4096)
while True:
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    pid = os.fork()
    if pid == 0:
        for at in range(0, len(pages), 4096):
            pages[at] = 1
        total = 0
        for n in range(20000):
            total += n * n % 7
        os._exit(0)
    os.waitpid(pid, 0)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    print(after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime, flush=True)
    time.sleep(1)
"""

    def __init__(self):
        self._proc = subprocess.Popen([sys.executable, "-c", self.REFERENCE], stdout=subprocess.PIPE, text=True)
        _live.add(self)

    def stop(self):
        if self._proc.poll() is None:
            self._proc.kill()
        _live.discard(self)

    def factor(self):
        """Stops the gauge; the factor of its window (1 when it took no reference)."""
        self.stop()
        self.costs = [float(line) for line in self._proc.communicate(timeout=STEP_S)[0].split()]
        if not self.costs:
            return 1.0
        median = sorted(self.costs)[len(self.costs) // 2]
        return min(self.MOST, max(1.0, median / self.QUIET_S))


def first_line(proc, what, timeout=STEP_S):
    """The first line a process started with stdout=PIPE, text=True prints (a server's "ready"), stripped;
    fails naming what when none comes within timeout s."""
    ready, _, _ = select.select([proc.stdout], [], [], timeout)
    line = proc.stdout.readline().strip() if ready else ""
    if not line:
        raise RuntimeError("%s printed nothing within %s s%s" % (
            what, timeout, "" if proc.poll() is None else " (it ended with code %s)" % proc.returncode))
    return line


def read_record(path):
    """The lines of a simulator's record file, as dicts. The simulators make the file as they start, so a
    missing one fails: nothing was recorded, which is not the same as nothing asked."""
    try:
        with open(path, encoding="utf-8") as f:
            return [json.loads(line) for line in f if line.strip()]
    except FileNotFoundError:
        raise AssertionError("no record file %s: the simulator that writes it never started" % path) from None


def records(path, cls=None, mac=None):
    """The requests camsim recorded, as dicts; of one DCP class and to one camera (mac in upper case)
    when given."""
    return [r for r in read_record(path) if cls in (None, r.get("class")) and mac in (None, r.get("mac", "").upper())]


def _cleanup_all():
    for obj in list(_live):
        obj.stop()


def _on_signal(signum, _frame):
    _cleanup_all()
    raise SystemExit(128 + signum)


atexit.register(_cleanup_all)
for _sig in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
    if signal.getsignal(_sig) in (signal.SIG_DFL, signal.default_int_handler):
        signal.signal(_sig, _on_signal)


# --- a little Xlib through ctypes: a window manager's close request and window-map events ---

class _XClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]


class _XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class _XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("client", _XClientMessageEvent), ("map", _XMapEvent),
                ("pad", ctypes.c_long * 24)]


X11_SOCKETS = "/tmp/.X11-unix"
XKM_FOLDER = "/var/lib/xkb"  # where Xvfb compiles its keymaps, by display number
_CLIENT_MESSAGE = 33
_MAP_NOTIFY = 19
_SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


def _libx11():
    lib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    lib.XOpenDisplay.restype = ctypes.c_void_p
    lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    lib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    lib.XInternAtom.restype = ctypes.c_ulong
    lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    lib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(_XEvent)]
    lib.XDefaultRootWindow.restype = ctypes.c_ulong
    lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    lib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    lib.XPending.argtypes = [ctypes.c_void_p]
    lib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(_XEvent)]
    lib.XConnectionNumber.argtypes = [ctypes.c_void_p]
    lib.XFlush.argtypes = [ctypes.c_void_p]
    lib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    lib.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong)] + \
        [ctypes.POINTER(ctypes.c_int)] * 2 + [ctypes.POINTER(ctypes.c_uint)] * 4
    lib.XGetImage.restype = ctypes.POINTER(_XImage)
    lib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                              ctypes.c_ulong, ctypes.c_int]
    lib.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
    lib.XSetErrorHandler.argtypes = [ctypes.c_void_p]
    return lib


class _XImage(ctypes.Structure):  # its first fields, as Xlib.h lays them out
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int), ("format", ctypes.c_int),
                ("data", ctypes.POINTER(ctypes.c_char)), ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int)]


# An X error (a window gone meanwhile) fails the call that met it, not the test process: Xlib's own handler exits.
_X_ERRORS_IGNORED = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda _dpy, _error: 0)
_Z_PIXMAP, _ALL_PLANES = 2, 0xFFFFFFFF


class WindowPictures:
    """What the X server shows of a window, read in this process (XGetImage, as import reads it), for comparing one
    moment's with the next: settle() takes several a second, where starting import took a few tenths of a second each
    on a busy machine."""

    def __init__(self, display):
        self._x = _libx11()
        self._x.XSetErrorHandler(ctypes.cast(_X_ERRORS_IGNORED, ctypes.c_void_p))
        self._dpy = self._x.XOpenDisplay(display.encode())
        if not self._dpy:
            raise RuntimeError("cannot open display " + display)

    def digest(self, window):
        """A digest of the window's pixels as shown now, or None when it cannot be read (gone, unmapped)."""
        root, x, y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
        size = [ctypes.c_uint() for _ in range(4)]
        if not self._x.XGetGeometry(self._dpy, window, ctypes.byref(root), ctypes.byref(x), ctypes.byref(y),
                                    *(ctypes.byref(value) for value in size)):
            return None
        image = self._x.XGetImage(self._dpy, window, 0, 0, size[0].value, size[1].value, _ALL_PLANES, _Z_PIXMAP)
        if not image:
            return None
        try:
            return hashlib.sha1(ctypes.string_at(image.contents.data,
                                                 image.contents.bytes_per_line * image.contents.height)).digest()
        finally:
            self._x.XDestroyImage(image)

    def close(self):
        if self._dpy:
            self._x.XCloseDisplay(self._dpy)
            self._dpy = None


def send_close_request(display, window):
    """Sends WM_DELETE_WINDOW to a window, as a window manager's close button does."""
    x = _libx11()
    dpy = x.XOpenDisplay(display.encode())
    if not dpy:
        raise RuntimeError("cannot open display " + display)
    try:
        event = _XEvent()
        event.client.type = _CLIENT_MESSAGE
        event.client.window = window
        event.client.message_type = x.XInternAtom(dpy, b"WM_PROTOCOLS", 0)
        event.client.format = 32
        event.client.l[0] = x.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
        event.client.l[1] = 0  # CurrentTime
        x.XSendEvent(dpy, window, 0, 0, ctypes.byref(event))
        x.XSync(dpy, 0)
    finally:
        x.XCloseDisplay(dpy)


class MapWatcher:
    """Reports the first top-level window mapped on a display after it was made."""

    def __init__(self, display):
        self._x = _libx11()
        self._dpy = self._x.XOpenDisplay(display.encode())
        if not self._dpy:
            raise RuntimeError("cannot open display " + display)
        self._x.XSelectInput(self._dpy, self._x.XDefaultRootWindow(self._dpy), _SUBSTRUCTURE_NOTIFY_MASK)
        self._x.XSync(self._dpy, 0)

    def wait_first_map(self, timeout):
        """Returns time.monotonic() of the first MapNotify, or None after timeout seconds."""
        fd = self._x.XConnectionNumber(self._dpy)
        end = time.monotonic() + timeout
        event = _XEvent()
        while True:
            while self._x.XPending(self._dpy):
                self._x.XNextEvent(self._dpy, ctypes.byref(event))
                if event.type == _MAP_NOTIFY:
                    return time.monotonic()
            left = end - time.monotonic()
            if left <= 0:
                return None
            select.select([fd], [], [], min(left, 0.05))

    def close(self):
        if self._dpy:
            self._x.XCloseDisplay(self._dpy)
            self._dpy = None


# --- an X server of one's own ---

class XServer:
    """An Xvfb on a display number that it picks itself, whose socket file lies in folder/sockets (and its
    compiled keymaps in folder/xkb) instead of the machine's shared folders; stop() ends it. Its messages go
    to the file log when given; state() tells whether it still runs.

    Its name is its own: the abstract socket of this network namespace is the kernel's to give to one
    server alone, and no other server sees its socket file. In the shared /tmp/.X11-unix any X server of
    another network namespace (whose display numbers are its own) could replace or remove it."""

    def __init__(self, folder, size=SCREEN, timeout=STEP_S, log=None):
        self.sockets, xkb = os.path.join(folder, "sockets"), os.path.join(folder, "xkb")
        for path in (self.sockets, xkb):
            os.makedirs(path, mode=0o700)
        try:  # the mount point, which only a machine that has run an X server has
            os.mkdir(X11_SOCKETS)
            os.chmod(X11_SOCKETS, 0o1777)
        except FileExistsError:
            pass
        read_end, write_end = os.pipe()
        self.log, self.display = log, None
        private = 'mount --bind "$0" %s && mount --bind "$1" %s && shift && exec "$@"' % (X11_SOCKETS, XKM_FOLDER)
        with open(log or os.devnull, "wb") as messages:
            self.proc = subprocess.Popen(
                ["unshare", "--mount", "sh", "-c", private, self.sockets, xkb,
                 "Xvfb", "-displayfd", str(write_end), "-screen", "0", "%dx%dx24" % size, "-nolisten", "tcp",
                 "-noreset"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=messages, start_new_session=True)
        os.close(write_end)
        _live.add(self)
        number = b""
        end = time.monotonic() + timeout
        try:
            while not number.endswith(b"\n"):
                if time.monotonic() > end or self.proc.poll() is not None:
                    raise RuntimeError("Xvfb did not start: %s" % self.state())
                ready, _, _ = select.select([read_end], [], [], 0.2)
                if ready:
                    chunk = os.read(read_end, 16)
                    if not chunk:
                        raise RuntimeError("Xvfb did not start: %s" % self.state())
                    number += chunk
        except BaseException:
            self.stop()
            raise
        finally:
            os.close(read_end)
        self.display = ":" + number.decode().strip()

    def state(self):
        """"running on :n", or how it ended and the end of its messages."""
        if self.proc.poll() is None:
            return "running on %s" % self.display
        tail = ""
        if self.log:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                tail = ": " + " | ".join(f.read().splitlines()[-5:])
        return "ended with code %s%s" % (self.proc.returncode, tail)

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        _live.discard(self)


def display_command(xserver, cmd, lab=None):
    """cmd made to run as Wizard runs the program (scripts/bench runs its programs so too): on xserver's display,
    whose socket it alone finds in /tmp/.X11-unix (a mount namespace of its own), inside lab.pc_ns when a lab is
    given, else in a network namespace of its own with only loopback, so that its ports are free whatever runs
    beside it. The process keeps its id through the commands that prepare it."""
    cmd = ["sh", "-c", 'mount --bind "$0" %s && exec "$@"' % X11_SOCKETS, xserver.sockets] + list(cmd)
    if lab is not None:
        return ["ip", "netns", "exec", lab.pc_ns] + cmd
    return ["unshare", "--net", "--mount", "sh", "-c", 'ip link set lo up && exec "$0" "$@"'] + cmd


def prepare_app_dir(build_dir, config=None, files=None):
    """A temporary folder holding the program and what it reads beside it, with config values set."""
    folder = tempfile.mkdtemp(prefix="tolmwizard-e2e-")
    for program in ("tolmwizard", "tolmdecoder"):  # the wizard starts its picture decoder from its folder
        shutil.copy2(os.path.join(build_dir, program), folder)
    shutil.copytree(os.path.join(build_dir, "lang"), os.path.join(folder, "lang"))
    config_path = os.path.join(folder, "config.xml")
    shutil.copy2(os.path.join(SOURCE_DIR, "resources", "config.xml"), config_path)
    values = dict(DEFAULT_CONFIG)
    values.update(config or {})
    tree = ET.parse(config_path)
    root = tree.getroot()
    for name, value in values.items():
        node = next(root.iter(name), None)
        if value is None:
            if node is not None:
                for parent in root.iter():
                    if node in list(parent):
                        parent.remove(node)
            continue
        if node is None:
            node = ET.SubElement(root, name)
        node.text = str(value)
    tree.write(config_path, encoding="UTF-8", xml_declaration=True)
    for relative, content in (files or {}).items():
        path = os.path.join(folder, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        data = content.encode() if isinstance(content, str) else content
        with open(path, "wb") as out:
            out.write(data)
        if data.startswith(b"#!"):
            os.chmod(path, 0o755)
    return folder


class Wizard:
    def __init__(self, build_dir, config=None, lab=None, files=None, start_timeout=STEP_S, env=None, texts=False):
        if lab is None:  # a lab's test has checked the machine already
            skip_unless_available(lab=False)
        self.build_dir = os.path.abspath(build_dir)
        env_extra = env
        self.window = None
        self.proc = None
        self.xserver = None
        self.screenshots_s = 0.0  # spent taking screenshots, which no person waits for
        self._pictures = None  # the window's pictures for settle(), once asked
        self.dir = prepare_app_dir(self.build_dir, config, files)
        # The program's temporary folder (TMPDIR) unless env names one, and the session's runtime folder that
        # a desktop gives (without it Qt makes one under TMPDIR).
        self.tmp, runtime = os.path.join(self.dir, "tmp"), os.path.join(self.dir, "runtime")
        os.mkdir(self.tmp)
        os.mkdir(runtime, 0o700)
        _live.add(self)
        try:
            self.xserver = XServer(os.path.join(self.dir, "x11"), timeout=start_timeout,
                                   log=os.path.join(self.dir, "xvfb.txt"))
            self.display = self.xserver.display
            env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "LC_"))}
            env.update({"DISPLAY": self.display, "QT_QPA_PLATFORM": "xcb", "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8",
                        "TMPDIR": self.tmp, "XDG_RUNTIME_DIR": runtime})
            for name, value in (env_extra or {}).items():  # None removes a variable
                env.pop(name, None) if value is None else env.update({name: value})
            self.tmp = env.get("TMPDIR", "/tmp")
            cmd = [os.path.join(self.dir, "tolmwizard")]
            if texts:  # the program answers texts() through the preloaded tests/tools/textdump
                cmd = ["env", "LD_PRELOAD=" + os.path.join(self.build_dir, "tests", "libtextdump.so")] + cmd
            cmd = display_command(self.xserver, cmd, lab)
            self._stdout = open(os.path.join(self.dir, "stdout.txt"), "wb")
            self._stderr = open(os.path.join(self.dir, "stderr.txt"), "wb")
            self.proc = subprocess.Popen(cmd, cwd=self.dir, env=env, stdin=subprocess.DEVNULL,
                                         stdout=self._stdout, stderr=self._stderr, start_new_session=True)
        except BaseException:
            self.stop()
            raise

    def __enter__(self):
        return self

    def __exit__(self, exc_type, *_exc):
        try:
            if exc_type is None:  # every run's log, its secrets masked
                self.assert_secrets_masked()
        finally:
            self.stop()

    # --- looking ---

    def _x_display(self):
        """The display for a client of the test, once its server is known to run: the name then reaches
        that server alone; a name whose server has ended may be another's."""
        if self.xserver.proc.poll() is not None:
            self._fail("the X server ended")
        return self.display

    def _xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool"] + [str(a) for a in args], env=dict(os.environ, DISPLAY=self._x_display()),
                                capture_output=True, text=True, timeout=15)
        if check and result.returncode != 0:
            raise RuntimeError("xdotool %s failed: %s" % (" ".join(map(str, args)), result.stderr.strip()))
        return result.stdout

    def find_windows(self, title):
        """Visible top-level windows whose title equals title (a regular expression)."""
        out = self._xdotool("search", "--onlyvisible", "--name", "^%s$" % title, check=False)
        return [int(w) for w in out.split()]

    def wait_window(self, title=MAIN_TITLE, timeout=2 * STEP_S):
        """Waits until a window with this title is shown; makes it the window that click() aims at."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            windows = self.find_windows(re.escape(title))
            if windows:
                self.window = windows[0]
                self.settle()
                return self.window
            if self.proc.poll() is not None:
                self._fail("the program ended (code %s) before window %r appeared" % (self.proc.returncode, title))
            time.sleep(0.1)
        self._fail("no window %r within %s s" % (title, timeout))

    def wait_window_gone(self, window=None, timeout=STEP_S):
        window = window or self.window
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            if window not in self._visible_windows():
                return
            time.sleep(0.1)
        self._fail("window %s still shown after %s s" % (window, timeout))

    def _visible_windows(self):
        return [int(w) for w in self._xdotool("search", "--onlyvisible", "--name", "", check=False).split()]

    def window_geometry(self, window=None):
        """(x, y, width, height) of the window on the screen."""
        out = self._xdotool("getwindowgeometry", "--shell", window or self.window)
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def window_title(self, window=None):
        return self._xdotool("getwindowname", window or self.window).strip()

    def _picture(self):
        display = self._x_display()  # a connection to a server that has ended would end this process
        if self._pictures is None:
            self._pictures = WindowPictures(display)
        return self._pictures.digest(self.window)

    def settle(self, quiet=0.4, timeout=6.0):
        """Waits until the window shows the same picture for quiet seconds: what it shows is painted.
        Returns False after timeout seconds of change (an animation, such as the busy overlay)."""
        end = time.monotonic() + timeout
        last, since = self._picture(), time.monotonic()
        while time.monotonic() < end:
            time.sleep(0.1)
            picture = self._picture()
            if picture != last or picture is None:
                last, since = picture, time.monotonic()
            elif time.monotonic() - since >= quiet:
                return True
        return False

    # --- acting ---

    def click(self, x, y, button=1, repeat=1):
        """Moves the mouse to (x, y) inside the current window and clicks (repeat=2: a double click, its clicks
        50 ms apart, well within the desktop's double-click interval on a loaded machine too)."""
        self._xdotool("mousemove", "--window", self.window, x, y, "sleep", 0.1,  # one xdotool for both
                      "click", *(("--repeat", repeat, "--delay", 50) if repeat > 1 else ()), button)
        time.sleep(0.2)

    def wheel(self, x, y, turns):
        """Turns the mouse wheel over (x, y) inside the current window: turns notches down (up when negative)."""
        self._xdotool("mousemove", "--window", self.window, x, y, "sleep", 0.1,
                      "click", "--repeat", abs(turns), 5 if turns > 0 else 4)
        time.sleep(0.2)

    # --- a person's shared steps (see the module text) ---

    def start(self, timeout=60):
        """Welcome page -> Start -> the licence page, painted."""
        self.wait_window()
        self.click(*WELCOME_START)
        self.wait_log(LICENCE_SHOWN, timeout)
        self.settle()

    def start_local_only(self, title=MAIN_TITLE, shot=None, at_page=None):
        """Welcome page (its window titled title) -> Start with no Internet (screenshot shot when given, at_page()
        called on that page when given) -> "Local Only" and its popup's OK -> the licence page."""
        self.wait_window(title)
        self.click(*WELCOME_START)
        self.wait_log("checkWizardInternetTimer timeout", STEP_S)
        if shot:
            self.screenshot(shot)
        if at_page:
            self.settle()
            at_page()
        self.click(*NO_INTERNET_LOCAL_ONLY)
        self.wait_log("MessageBoxPage Constructor Initializing", STEP_S)
        self.click(*popup_button(400))
        self.wait_log("local view, pass json file checking", STEP_S)
        self.settle()

    def agree(self):
        """Ticks the licence box and presses "I Agree" -> the connection guide, painted."""
        self.click(*AGREEMENT_CHECK)
        time.sleep(0.3)
        self.click(*AGREEMENT_NEXT)
        self.wait_log(GUIDE_SHOWN, STEP_S)
        self.settle()

    def choose(self, place, text, log, count=1):
        """Opens the list at place, types an entry's name into it, takes it with Return, waits for log
        (its count-th time)."""
        self.click(*place)
        time.sleep(0.6)
        self.type_text(text)
        time.sleep(0.3)
        self.key("Return")
        self.wait_log(log, STEP_S, count)
        self.settle()

    def choose_model(self, model, count=1):
        self.choose(MODEL_LIST, model, '03 selectedItem(Device Name) : "%s"' % model, count)

    def skip_guide(self):
        """Chooses the model prompt and its "Skip instruction" -> the discovery page scans."""
        self.choose_model("Choose your model")
        self.click(*GUIDE_SKIP)
        self.wait_log(DISCOVERY_SCANS, STEP_S)

    def to_guide(self):
        self.start()
        self.agree()

    def to_discovery(self):
        self.to_guide()
        self.skip_guide()

    def to_local_discovery(self, cameras=1, timeout=STEP_S):
        """start_local_only(), agree() and "Skip instruction" -> discovery, with this many cameras listed."""
        self.start_local_only()
        self.agree()
        self.click(*GUIDE_SKIP)
        self.wait_log(CAMERA_LISTED, timeout, count=cameras)

    def to_setup_page(self, mac=None, cameras=1):
        """to_discovery(), then choose_camera(mac, cameras)."""
        self.to_discovery()
        self.choose_camera(mac, cameras)

    def choose_camera(self, mac=None, cameras=1, go=True):
        """On the discovery page: the row of the camera mac (the first row when None) among the cameras
        listed, and Next -> the setup page, painted (go=False: the row only). Fails when no row holds mac."""
        self.wait_log(CAMERA_LISTED, STEP_S, count=cameras)
        self.settle()
        log = self.log_text()
        clicked, chosen = log.count("03 IPCamera MAC :"), log.count("DiscoveryPage IPCameraIdx :")
        seen = []
        for row in range(cameras):
            self.click(CAMERA_ROWS[0], CAMERA_ROWS[1] + 40 * row)
            self.wait_log("03 IPCamera MAC :", STEP_S, count=clicked + row + 1)
            seen.append(re.findall(r'03 IPCamera MAC : "([^"]*)"', self.log_text())[-1])
            if mac is None or seen[-1] == mac:
                break
        else:
            raise AssertionError("camera %s is not listed; the %d rows hold %s" % (mac, cameras, seen))
        if not go:
            return
        self.click(*GUIDE_NEXT)
        self.wait_log("DiscoveryPage IPCameraIdx :", STEP_S, count=chosen + 1)
        self.settle()

    def click_for_popup(self, place, timeout=STEP_S):
        """Clicks what opens a popup and waits until it is made and painted."""
        made = self.log_text().count(POPUP_MADE)
        self.click(*place)
        self.wait_log(POPUP_MADE, timeout, count=made + 1)
        self.settle()

    def double_click(self, place, reached, page, box=None, timeout=STEP_S):
        """Double-clicks place (a program started with texts=True) -> the log line reached, its next time, and page
        shown with box (a popup's or Wi-Fi box's name) alone over it, made once, and no error line: the second click
        answered nothing on what came in the first one's place."""
        before, made = self.log_text().count(reached), self.log_text().count(POPUP_MADE)
        self.click(*place, repeat=2)
        self.wait_log(reached, timeout, count=before + 1)
        self.settle()
        shown = self.texts()
        boxes = [t for t in shown if t["kind"] == "widget" and t["class"] in ("MessageBoxPage", "WirelessMessageBox")]
        popups = [t for t in boxes if t["class"] == "MessageBoxPage"]
        errors = [t["text"] for t in shown if t["kind"] == "text" and t["name"].endswith("Error_Label")]
        pages, made = {t["page"] for t in shown}, self.log_text().count(POPUP_MADE) - made
        if page not in pages or [t["name"] for t in boxes] != ([box] if box else []) or errors or made != len(popups):
            raise AssertionError("after a double click at %s: pages %s, boxes %s (%d popups made), error lines %s" % (
                place, sorted(pages), [t["name"] for t in boxes], made, errors))

    def set_up_camera(self, password, name=None, new=False, reached=CLOUD_PAGE_SHOWN, timeout=120, settle=True):
        """On the setup page: the camera's name when given, its password (twice for a camera without one),
        Next -> the page that reached logs (the cloud page by default), painted (settle=False: at once)."""
        fields = [(SETUP_NAME, name)] if name else []
        fields += [(SETUP_PASSWORD, password)] + ([(SETUP_RETYPE, password)] if new else [])
        self.fill(*fields)
        before = self.log_text().count(reached)
        self.click(*GUIDE_NEXT)
        self.wait_log(reached, timeout, count=before + 1)
        if settle:
            self.settle()

    def type_cloud_form(self, email, password, screenshot=None):
        """Types an account into the cloud service's form in the page's web view and sends it."""
        self.click(*CLOUD_FORM_EMAIL)
        self.type_text(email)
        self.click(*CLOUD_FORM_PASSWORD)
        self.type_text(password)
        if screenshot:
            self.screenshot(screenshot)
        self.click(*CLOUD_FORM_SUBMIT)

    def sign_in(self, email, password, screenshot=None):
        """Cloud page: "Existing Account", the account typed and sent -> the camera registered, the page after
        the cloud step entered."""
        self.click(*CLOUD_EXISTING_ACCOUNT)
        self.type_cloud_form(email, password, screenshot)
        self.wait_log(" Go to SignIn complete", CLOUD_FLOW_S)
        self.wait_log("After the cloud step:", STEP_S)

    def sign_up(self, email, password, screenshot=None, at_popup=None):
        """Cloud page: a new account typed and sent -> the camera registered, the verification popup (at_popup()
        called while it shows, when given), its OK -> the page after the cloud step."""
        made = self.log_text().count(POPUP_MADE)
        self.type_cloud_form(email, password, screenshot)
        self.wait_log(" Go to SignUp complete", CLOUD_FLOW_S)
        self.wait_log(POPUP_MADE, STEP_S, count=made + 1)
        self.settle()
        if at_popup:
            at_popup()
        self.click(*popup_button(300))
        self.wait_log("After the cloud step:", STEP_S)

    def skip_cloud(self):
        """Cloud page: "No, thanks" and its popup's "Next"."""
        self.click_for_popup(CLOUD_NO_THANKS)
        self.click(*popup_button(400))
        self.wait_log("After the cloud step:", STEP_S)

    def to_access_point_search(self, model, direct=False, count=1, before_search=None):
        """Guide: the model (and "Direct Connection" for a model with more than one type), Next -> the first
        access-point page; before_search() when given (the computer joins the camera's Wi-Fi, say), Next:
        the search runs."""
        self.choose_model(model, count)
        if direct:
            self.choose(TYPE_LIST, "Direct", "01 Got ctype index changed : \"Direct Connection\"", count)
        self.click(*GUIDE_NEXT)
        self.wait_log('<---------------------> "%s"' % ("Direct Connection" if direct else model), STEP_S, count)
        self.settle()
        if before_search:
            before_search()
        self.click(*GUIDE_NEXT)

    def ap_password(self, password):
        """The access-point password page: the camera's password in place of what the field holds, Next."""
        self.fill((AP_PASSWORD, password))
        self.click(*GUIDE_NEXT)

    def ap_to_home_wifi(self, key, surveyed=1, shots=(None, None)):
        """The camera's site survey (surveyed networks listed): the first network, Next, its key in the box,
        Connect -> the page that sends the computer back to the home Wi-Fi. shots: screenshots of the list
        and of the box, when named."""
        self.wait_log(" SSID :", 30 + STEP_S, count=surveyed)  # the survey's wait: 30 one-second ticks
        self.settle()
        if shots[0]:
            self.screenshot(shots[0])
        boxes = self.log_text().count(WIRELESS_BOX_MADE)
        self.click(*AP_FIRST_NETWORK)
        self.click(*GUIDE_NEXT)
        self.wait_log(WIRELESS_BOX_MADE, STEP_S, count=boxes + 1)
        self.settle()
        self.click(*AP_BOX_PASSWORD)
        self.type_text(key)
        if shots[1]:
            self.screenshot(shots[1])
        self.click(*AP_BOX_CONNECT)
        self.wait_log(" AgentVersion >", 60 + STEP_S)  # the camera's confirmation: 60 ticks
        self.settle()

    def ap_find_again(self, leave):
        """leave() (the computer back on the home Wi-Fi), Next -> the Internet probe and the camera found
        again on the discovery page."""
        leave()
        self.click(*GUIDE_NEXT)
        self.wait_log("recheckWizardInternet pass ", 10 + STEP_S)  # the program's waits: 10 and 60 ticks
        self.wait_log(" APClient Mode Camera MACAddr :", 60 + STEP_S)
        self.settle()

    def fill(self, *fields):
        """Types into each (place, text) field what it should hold instead of its text."""
        for place, text in fields:
            self.click(*place)
            self.key("ctrl+a")
            self.type_text(text)

    def answer_dialog(self, text, timeout=STEP_S):
        """Types text into the dialog that opens over the main window and takes it with Return."""
        main, end, dialogs = self.window, time.monotonic() + timeout, []
        while not dialogs and time.monotonic() < end:
            time.sleep(0.3)
            dialogs = [d for d in self.find_windows(".*") if d != main]
        if not dialogs:
            self._fail("no dialog")
        self.window = dialogs[-1]
        self.key("ctrl+a")
        self.type_text(text)
        self.key("Return")
        self.wait_window_gone(self.window)
        self.window = main

    def click_named(self, name):
        """Clicks the middle of the shown widget of that name (a program started with texts=True)."""
        rects = [t["rect"] for t in self.texts() if t["name"] == name and t["kind"] == "widget"]
        if not rects:
            self._fail("no %s shown" % name)
        x, y, width, height = rects[-1]
        self.click(x + width // 2, y + height // 2)

    def read_only(self, folder):
        """Makes folder read-only for the program alone, root as it is: mounted so in its own mount namespace."""
        subprocess.run(["nsenter", "--target", str(self.proc.pid), "--mount", "--", "sh", "-c",
                        'mount --bind "$0" "$0" && mount -o remount,bind,ro "$0"', folder], check=True)

    def type_text(self, text):
        self._xdotool("windowfocus", "--sync", self.window, check=False)
        self._xdotool("type", "--delay", 30, text)

    def key(self, key):
        self._xdotool("windowfocus", "--sync", self.window, check=False)
        self._xdotool("key", key)

    def close_window(self, window=None):
        """Asks the window to close, as a window manager's close button does."""
        send_close_request(self._x_display(), window or self.window)
        time.sleep(0.3)

    def snap(self, path, log=None, timeout=STEP_S, count=1, settle=True):
        """Waits for log (its count-th time) when given, then screenshot() (settle=False: at once)."""
        if log:
            self.wait_log(log, timeout, count)
        return self.screenshot(path, settle=settle)

    def screenshot(self, path, whole_screen=False, settle=True):
        """Saves the current window (or the whole screen) as a PNG under <build_dir>/screenshots/, once
        the window has settled() (settle=False: at once)."""
        start = time.monotonic()
        path = self.screenshot_path(path)
        if self.window and settle:
            self.settle()
        cmd = ["import", "-display", self._x_display(), "-window", "root"]
        if self.window and not whole_screen:
            x, y, w, h = self.window_geometry()
            cmd += ["-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage"]
        subprocess.run(cmd + [path], check=True, timeout=30, capture_output=True)
        self.screenshots_s += time.monotonic() - start
        return path

    def screenshot_path(self, path):
        """Where screenshot(path) saves: a relative path under <build_dir>/screenshots/, its folder made."""
        if not os.path.isabs(path):
            path = os.path.join(self.build_dir, "screenshots", path)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        return path

    def picture(self, path):
        """The line of a request (texts(), request()) that saves the current window's screen as the X server shows it,
        popups and open lists included, as screenshot() does, at that point of the request: the picture of the texts
        written just before it, without a round of its own. Returns the line; the file is screenshot_path(path)."""
        return "picture %d %s" % (self.window, self.screenshot_path(path))

    # --- the program's side ---

    def texts(self, *commands, timeout=30):
        """The texts of every visible widget, read in the program (Wizard(texts=True) only): dicts with
        window, box (the object name of its popup or box, else of its window), page (of its wizard page or
        panel, else its box), class, name, kind (widget, text, current, item, header, placeholder, title, tab,
        tooltip, open, overlap), text, rect (x, y, w, h in its window) and, for texts that must fit, need
        (w, h), room (w, h), ink (where the letters are seen, in the window), clipped and why (a list's or
        date or time edit's current and other entries: drawn in its field as it draws the entry chosen, need
        up to where the letters end, room up to where the field draws them whole; open: the entry in the
        list as it opens; tooltip: Qt's tip window on its screen, in screen coordinates); a label's or text
        box's text also lines (as drawn, top to bottom), bold (its bold runs: text, lines drawn on) and points
        (the size most of its letters take), a label's body (its page's own size) and glyphs (each drawn line's
        glyphs, x, y, w, h) with baselines (each line's baseline in the window, the room its fonts ask above and
        below it); drawn (where a text's letters are seen), a push button's caption (where it draws its
        caption), colours and fonts (those its letters are drawn in: "Verdana 9 bold"); z (a widget's place in its
        window's painting and the last its descendants take); a widget's enabled, checked (a checkable button), open
        and list (a combo box: its list shown, where its entries are), echo and readOnly (a line edit: "normal",
        "password", ...; readOnly of a text box too), scroll (a scrolling box: vertical and horizontal, each [value,
        minimum, maximum]), selected (a list's or table's chosen rows), paints ("picture", "control" or "shade")
        and drawn (what it paints); an open entry's enabled and at (where a person clicks it, in the list's
        window), a list widget's item's at; a web view's viewText (the text of the page it shows); focus (the
        widget its window's keyboard focus is in), tabbed (a control Tab reaches: enabled, taking the focus from the
        keyboard) and its focusMark (the pixels it draws in a colour told apart, contrast 2 or more, with the focus
        than without; a text field's: its cursor's height; none for another kind). Commands run first:
        "invoke <class> <slot> [argument]" (a page's popup), "enter <class>" (a page entered as the main window
        enters it: put in its place and its own entry step run), "show <class>" (a page alone in the main window,
        as it was left, not entered), "close" (every popup and box), "choose <object> <entry | #row>" (a list's
        entry; #-1 the last), "visible <object> true|false", "picture <window> <file>" (picture())."""
        target = os.path.join(self.dir, "texts.json")
        self.request(list(commands) + [target], timeout)
        return self.read_json(target)

    def view_texts(self):
        """The texts of the pages the cloud page's shown web views show (Wizard(texts=True) only)."""
        return [t["viewText"] for t in self.texts() if t["kind"] == "widget" and t["class"] == "QWebView"]

    def request(self, lines, timeout=60):
        """Runs a request of the test library: commands, and file names to write the texts of the screen
        to as it is at that line; returns once all are done and every file (the pictures' too) is written."""
        request = os.path.join(self.dir, "textdump.request")
        files = [line if line.startswith("/") else line.split(" ", 2)[2] for line in lines
                 if line.startswith(("/", "picture "))]
        for path in files:
            if os.path.exists(path):
                os.remove(path)
        with open(request + ".new", "w", encoding="utf-8") as f:
            f.write("\n".join(lines))
        os.replace(request + ".new", request)  # whole, or the program may read half of it
        end = time.monotonic() + timeout
        while os.path.exists(request) or not all(os.path.exists(path) for path in files):
            if time.monotonic() > end or self.proc.poll() is not None:
                self._fail("the texts were not written within %s s" % timeout)
            time.sleep(0.025)  # as often as the program looks for a request

    @staticmethod
    def read_json(path):
        with open(path, encoding="utf-8") as f:
            return json.load(f)

    def assert_secrets_masked(self):
        found = unmasked_secrets(self.log_text())
        if found:
            raise AssertionError("secrets in log.txt, not masked in every character: %s" % found[:5])

    def log_text(self):
        try:
            with open(os.path.join(self.dir, "log.txt"), encoding="utf-8", errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def stderr_text(self):
        if not self._stderr.closed:
            self._stderr.flush()
        try:
            with open(os.path.join(self.dir, "stderr.txt"), encoding="utf-8", errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def assert_logged(self, *lines, present=True):
        """Fails unless log.txt holds each line (with present=False: holds none of them)."""
        log = self.log_text()
        wrong = [line for line in lines if (line in log) != present]
        if wrong:
            raise AssertionError("log.txt %s %r" % ("lacks" if present else "holds", wrong))

    def wait_log(self, substring, timeout=STEP_S, count=1):
        """Waits until log.txt holds substring (at least count times)."""
        end = time.monotonic() + timeout
        while True:
            if self.log_text().count(substring) >= count:
                return True
            if time.monotonic() > end or self.proc.poll() is not None:
                break
            time.sleep(0.1)
        if self.log_text().count(substring) >= count:
            return True
        self._fail("log.txt has %r fewer than %d times within %s s" % (substring, count, timeout))

    def memory(self):
        """The program's resident memory now and at its peak so far (VmRSS, VmHWM), in MiB."""
        with open("/proc/%d/status" % self.proc.pid, encoding="utf-8") as f:
            fields = dict(line.split(":", 1) for line in f if ":" in line)
        return tuple(int(fields[key].split()[0]) / 1024 for key in ("VmRSS", "VmHWM"))

    def family(self):
        """The program's process and those it started, theirs too (its picture decoders and their decodes)."""
        pids, left = [], [self.proc.pid]
        while left:
            pid = left.pop()
            pids.append(pid)
            try:
                for task in os.listdir("/proc/%d/task" % pid):
                    with open("/proc/%d/task/%s/children" % (pid, task), encoding="utf-8") as f:
                        left += [int(child) for child in f.read().split()]
            except OSError:
                pass  # ended meanwhile
        return pids

    def family_memory(self):
        """The memory the program and the processes it started (family) hold now, each page they share counted once
        (their proportional set sizes), in MiB: what they allocated and share with each other, not the pages of
        their program and libraries, which the kernel reads from the files again as it needs them and which
        change with the code that ran, not with what it took (up to 40 MiB apart on a busy machine)."""
        total = 0
        for pid in self.family():
            try:
                with open("/proc/%d/smaps_rollup" % pid, encoding="utf-8") as f:
                    total += sum(int(line.split()[1]) for line in f if line.startswith(("Pss_Anon:", "Pss_Shmem:")))
            except (OSError, IndexError, ValueError):
                pass
        return total / 1024

    def cpu(self):
        """The CPU time the program and the processes it started (family) have used so far, those that ended
        too, all their threads, user and system, in seconds."""
        total = 0
        for pid in self.family():
            try:
                with open("/proc/%d/stat" % pid, encoding="utf-8") as f:
                    fields = f.read().rsplit(")", 1)[1].split()
            except OSError:
                continue
            total += sum(int(fields[i]) for i in (11, 12, 13, 14))  # its own, and that of its children it reaped
        return total / os.sysconf("SC_CLK_TCK")

    def wait_exit(self, timeout=STEP_S):
        """Waits for the program's end and returns its status. A clean exit (status 0) that printed an error
        (ERROR_LEVELS) fails."""
        try:
            code = self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            self._fail("the program still runs after %s s" % timeout)
        errors = [line for line in self.log_text().splitlines() if line.startswith(ERROR_LEVELS)]
        errors += [line for line in self.stderr_text().splitlines() if line.strip()]
        if code == 0 and errors:
            distinct = sorted(set(errors), key=errors.index)
            raise AssertionError("the program ended with status 0 but printed errors:\n" + "\n".join(
                "%s (x%d)" % (line, errors.count(line)) for line in distinct[:20]))
        return code

    def held_ports(self, lab):
        """The processes holding the DCP port (UDP) and the redirect listener's port (TCP) in the lab's PC
        namespace: {"udp 5978": [pid, ...], "tcp 5979": [...]}."""
        held = {}
        for proto, port in (("udp", DCP_PORT), ("tcp", REDIRECT_PORT)):
            out = subprocess.run(["ip", "netns", "exec", lab.pc_ns, "ss", "-H", "-a", "-n", "-p", "--" + proto,
                                  "sport = :%d" % port], capture_output=True, text=True, timeout=15).stdout
            held["%s %d" % (proto, port)] = sorted({int(pid) for pid in re.findall(r"pid=(\d+)", out)})
        return held

    def folder_processes(self):
        """The running processes (not zombies) of a program in the program's folder: the program, its picture
        decoders and any process they made."""
        found = []
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open("/proc/%s/cmdline" % pid, "rb") as f:
                    program = f.read().split(b"\0")[0].decode(errors="replace")
                with open("/proc/%s/stat" % pid, encoding="utf-8") as f:
                    state = f.read().rsplit(")", 1)[1].split()[0]
            except (OSError, IndexError):
                continue
            if program.startswith(self.dir + os.sep) and state != "Z":
                found.append(int(pid))
        return found

    def wait_clean_exit(self, lab, timeout=STEP_S, others=()):
        """Waits for the program's end and checks that it ended as a program should: status 0 without printed
        errors (wait_exit), no process of its own left, neither port held by anyone but others (pids), nothing
        left in its temporary folder."""
        code = self.wait_exit(timeout)
        faults = [] if code == 0 else ["exit status %s" % code]
        try:
            os.killpg(self.proc.pid, 0)
            faults.append("processes of its group still run")
        except ProcessLookupError:
            pass
        # Its picture decoders run in a group of their own each, killed as the program ends: 5 s for the kills'
        # delivery on a busy machine.
        end = time.monotonic() + 5
        while self.folder_processes() and time.monotonic() < end:
            time.sleep(0.1)
        if self.folder_processes():
            faults.append("processes of its folder still run: %s" % self.folder_processes())
        for port, pids in self.held_ports(lab).items():
            if set(pids) - set(others):
                faults.append("%s still held by %s" % (port, pids))
        left = os.listdir(self.tmp) if self.tmp != "/tmp" else []
        if left:
            faults.append("left in its temporary folder: %s" % left)
        if faults:
            tail = "\n".join(self.log_text().splitlines()[-15:])
            raise AssertionError("; ".join(faults) + "\n--- log.txt tail:\n" + tail)

    def _fail(self, what):
        log = self.log_text().splitlines()[-15:]
        if not os.path.exists(os.path.join(self.dir, "log.txt")):
            log.append("(no log.txt in %s%s)" % (self.dir, "" if os.path.isdir(self.dir) else ": the folder is gone"))
        program = "running" if self.proc.poll() is None else "ended with code %s" % self.proc.returncode
        raise TimeoutError("%s\n--- the program: %s; its X server: %s\n--- stderr:\n%s\n--- log.txt tail:\n%s"
                           % (what, program, self.xserver.state(), self.stderr_text()[-3000:], "\n".join(log)))

    def stop(self):
        """Ends the program and the X server and removes the temporary folder. Safe to call twice."""
        if self.proc is not None and self.proc.poll() is None:
            try:
                os.killpg(self.proc.pid, signal.SIGTERM)
                self.proc.wait(5)
            except (ProcessLookupError, subprocess.TimeoutExpired):
                try:
                    os.killpg(self.proc.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                self.proc.wait()
        if self._pictures is not None and self.xserver.proc.poll() is None:
            self._pictures.close()  # Xlib ends the process on a connection whose server has ended: left then
        self._pictures = None
        if self.xserver is not None:
            self.xserver.stop()
        for stream in ("_stdout", "_stderr"):
            if hasattr(self, stream):
                getattr(self, stream).close()
        if self.dir and os.path.isdir(self.dir) and not os.environ.get("KEEP_WIZARD_DIR"):
            shutil.rmtree(self.dir, ignore_errors=True)
        _live.discard(self)


class AccessPointLink:
    """A camera's own access point in a lab: a second link (ADDRESS on the camera side) that the computer
    joins, as a person switches Wi-Fi, leaving the home network (veth0) meanwhile."""

    ADDRESS = "10.255.255.1"

    def __init__(self, lab):
        self.lab = lab
        self.name = lab.add_link("10.255.255.100", self.ADDRESS)
        lab.set_pc_link(self.name, False)

    def camera(self, camera, home_ip, ssid, key):
        """camera (a camsim dict) on this access point, moving to home_ip once it has the home Wi-Fi ssid, key."""
        return dict(camera, ip=self.ADDRESS,
                    accessPoint={"interface": self.name, "ssid": ssid, "key": key, "homeIp": home_ip})

    def _switch(self, up, down):
        self.lab.set_pc_link(down, False)
        self.lab.set_pc_link(up, True)
        time.sleep(1)

    def join(self):
        self._switch(self.name, "veth0")

    def leave(self):
        self._switch("veth0", self.name)


class LabInternet:
    """The lab's Internet side (tests/tools/netsim): the probe site and, over HTTPS with the lab's
    certificate, the catalogue and both sprites under the program's own host names.

    catalogue: a dict served as tolmwizard.json (default tests/data's, beside its develop twin); sprites:
    draw the two sprites of solid cells (pictures.colour_of per name); probe=False: no probe site;
    trusted=False: a self-signed certificate. requests() reads netsim's log, set_control() its rules.
    """

    PROBE_IP = "10.254.1.80"
    SERVER_IP = "10.254.1.43"
    PROBE_HOSTS = ("www.example.com", "www.example.org")  # the Internet probe, the home-network probe
    SERVER_HOSTS = ("catalog.tolmwizard.invalid", "update.tolmwizard.invalid")

    def __init__(self, lab, catalogue=None, sprites=True, probe=True, trusted=True):
        self.lab = lab
        self.dir = os.path.join(lab.workdir, "internet")
        self.data = os.path.join(self.dir, "data")
        self.control = os.path.join(self.dir, "control.json")
        self.log = os.path.join(self.dir, "requests.jsonl")
        os.makedirs(self.data)
        for name in ("tolmwizard.json", "tolmwizard_develop.json"):
            shutil.copy(os.path.join(CATALOGUE_DIR, name), self.data)
        if catalogue is not None:
            with open(os.path.join(self.data, "tolmwizard.json"), "w", encoding="utf-8") as f:
                json.dump(catalogue, f)
        with open(os.path.join(self.data, "tolmwizard.json"), encoding="utf-8") as f:
            self.catalogue = json.load(f)
        if sprites:
            pictures.draw_sprites(self.catalogue, self.data)
        self.set_control({})
        lab.add_cam_address(self.SERVER_IP)
        hosts = {host: self.SERVER_IP for host in self.SERVER_HOSTS}
        cmd = ["python3", os.path.join(NETSIM_DIR, "netsim.py"), "--data", self.data, "--https",
               self.SERVER_IP + ":443", "--control", self.control, "--log", self.log]
        if probe:
            lab.add_cam_address(self.PROBE_IP)
            hosts.update({host: self.PROBE_IP for host in self.PROBE_HOSTS})
            cmd += ["--probe", self.PROBE_IP + ":80"]
        self.hosts = hosts  # add to these when setting the lab's hosts file again
        lab.set_hosts(hosts)
        cert, key = lab.issue_cert(list(self.SERVER_HOSTS)) if trusted else self._self_signed()
        self.server = lab.cam(cmd + ["--cert", cert, "--key", key], stdout=subprocess.PIPE, text=True)
        if first_line(self.server, "netsim") != "ready":
            raise RuntimeError("netsim did not start")

    def _self_signed(self):
        cert, key = os.path.join(self.dir, "untrusted.pem"), os.path.join(self.dir, "untrusted.key")
        host = self.SERVER_HOSTS[0]
        subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                        "-nodes", "-keyout", key, "-out", cert, "-days", "1", "-subj", "/CN=" + host,
                        "-addext", "subjectAltName=DNS:" + host], check=True, capture_output=True)
        return cert, key

    def set_control(self, control):
        with open(self.control, "w", encoding="utf-8") as f:
            json.dump(control, f)

    def requests(self, service=None):
        """netsim's log entries, of one service ("probe", "catalogue") or all."""
        return [e for e in read_record(self.log) if service is None or e["service"] == service]

    def catalogue_requests(self):
        """Requests for the catalogue itself; the sprites come from the same server."""
        return [e for e in self.requests("catalogue") if not e["path"].endswith(".png")]


class UpdateInternet:
    """The lab's Internet with a catalogue naming v2.00.11, and the update service with its
    description and an installer: a shell script that writes a marker file."""

    UPDATE_IP = "10.254.1.44"
    UPDATE_HOST = "update.tolmwizard.invalid"
    INSTALLER_NAME = "TolmSetupWizard_v2.00.11.exe"  # named as on Windows; a script starts all the same
    INSTALLER_PATH = "/files/" + INSTALLER_NAME

    def __init__(self, lab):
        self.dir = lab.workdir
        self.tmp, self.save = os.path.join(self.dir, "tmp"), os.path.join(self.dir, "Save here")
        self.marker = os.path.join(self.dir, "installer-started")
        self.control = os.path.join(self.dir, "update-control.json")
        self.log = os.path.join(self.dir, "update-requests.jsonl")
        update_data = os.path.join(self.dir, "update")
        for folder in (self.tmp, self.save, update_data):
            os.makedirs(folder)
        with open(os.path.join(CATALOGUE_DIR, "tolmwizard.json"), encoding="utf-8") as f:
            catalogue = json.load(f)
        catalogue["TolmWizardLatestVersion"] = "v2.00.11"
        catalogue["TolmWizardWindowsUpdateURI"] = "https://%s/wizard/?version" % self.UPDATE_HOST
        self.internet = LabInternet(lab, catalogue=catalogue)
        self.catalogue = self.internet.catalogue

        entries = [{"Model": "VKC-2100", "Version": "v9.0",
                    "URL_EXE": "https://%s/files/camera.bin" % self.UPDATE_HOST},
                   {"Model": "TolmSetupWizard", "Version": "v2.00.11",
                    "URL_EXE": "https://%s%s" % (self.UPDATE_HOST, self.INSTALLER_PATH)}]
        with open(os.path.join(update_data, "description.json"), "w", encoding="utf-8") as f:
            json.dump({"OS": {"Window": {"Edition": {"ALL": entries}}}}, f)
        # A script with some weight, so that a cut or a padded copy shows.
        filler = "".join("# %s\n" % hashlib.sha256(str(i).encode()).hexdigest() for i in range(3000))
        self.installer = ("#!/bin/sh\necho \"$0\" > '%s'\n%s" % (self.marker, filler)).encode()
        with open(os.path.join(update_data, self.INSTALLER_NAME), "wb") as f:
            f.write(self.installer)
        self.set_installer({})

        lab.add_cam_address(self.UPDATE_IP)
        lab.set_hosts(dict(self.internet.hosts, **{self.UPDATE_HOST: self.UPDATE_IP}))
        cert, key = lab.issue_cert([self.UPDATE_HOST])
        server = lab.cam(["python3", os.path.join(NETSIM_DIR, "updatesim.py"), "serve", "--data", update_data,
                          "--https", self.UPDATE_IP + ":443", "--cert", cert, "--key", key,
                          "--control", self.control, "--log", self.log],
                         stdout=subprocess.PIPE, text=True)
        if first_line(server, "updatesim") != "ready":
            raise RuntimeError("updatesim did not start")

    def set_installer(self, rule):
        """How the installer is answered: a rule of updatesim (mode, ...); {} answers it whole."""
        rules = [{"path": "/wizard/", "file": "description.json"}]
        if rule:
            rules.append(dict(rule, path=self.INSTALLER_PATH, file=self.INSTALLER_NAME))
            rules += rule.get("extra", [])
        with open(self.control, "w", encoding="utf-8") as f:
            json.dump({"update": rules}, f)

    def requests(self):
        """Paths asked of the update service."""
        return [e["path"] for e in read_record(self.log)]

    def saved_installer(self):
        return os.path.join(self.save, self.INSTALLER_NAME)


class LabCloud:
    """The lab's cloud service (tests/tools/cloudsim) under the portal's and the API site's host
    names, with the lab's certificate: a camera whose portal is PORTAL is sent to https://API_HOST.
    Give its hosts to the lab with lab.set_hosts(dict(internet.hosts, **cloud.hosts)).
    requests(path) reads its record."""

    IP = "10.254.1.30"
    API_HOST, PORTAL_HOST = "api.olvaris.invalid", "portal.olvaris.invalid"
    PORTAL = "https://%s/" % PORTAL_HOST

    def __init__(self, lab, accounts=None):
        self.dir = os.path.join(lab.workdir, "cloud")
        os.makedirs(self.dir)
        self.control = os.path.join(self.dir, "control.json")
        self.record = os.path.join(self.dir, "requests.jsonl")
        self.set_control({"accounts": accounts or {}})
        lab.add_cam_address(self.IP)
        self.hosts = {self.API_HOST: self.IP, self.PORTAL_HOST: self.IP}
        cert, key = lab.issue_cert([self.API_HOST, self.PORTAL_HOST])
        self.server = lab.cam(["python3", os.path.join(SOURCE_DIR, "tests", "tools", "cloudsim", "cloudsim.py"),
                               "--listen", self.IP + ":443", "--cert", cert, "--key", key, "--record", self.record,
                               "--control", self.control, "--site", "https://" + self.API_HOST],
                              stdout=subprocess.PIPE, text=True)
        if not first_line(self.server, "cloudsim").startswith("ready"):
            raise RuntimeError("cloudsim did not start")

    def set_control(self, control):
        """How cloudsim answers from now on (its control file), e.g. {"accounts": {"ann@example.test": "pw"}}."""
        with open(self.control, "w", encoding="utf-8") as f:
            json.dump(control, f)

    def requests(self, path=None):
        return [e for e in read_record(self.record) if path is None or e.get("path") == path]
