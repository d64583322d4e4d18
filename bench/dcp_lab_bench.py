#!/usr/bin/env python3
"""DCP scan figures in a lab: 1,024 simulated cameras (camsim) on the camera side, and
bench_dcp on the PC side timing a broadcast scan until all of them are in IPCameraList, next to
a bare UDP echo round trip over the same veth (bench_dcp --echo-server on the camera side).

    python3 bench/dcp_lab_bench.py [cameras, default 1024]      (BUILD_DIR: build tree)

Exits 77 where no lab can be made (not root, no `ip netns`), 1 when a program is not built, naming either."""

import json
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "lab"))
import lab as labmod  # noqa: E402
from lab import Lab  # noqa: E402

ECHO_PORT = 7


def main():
    build = os.path.abspath(os.environ.get("BUILD_DIR", os.path.join(ROOT, "build")))
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 1024
    bench = os.path.join(build, "bench", "bench_dcp")
    camsim = os.path.join(build, "tests", "camsim")
    missing = [tool for tool in (bench, camsim) if not os.path.exists(tool)]
    if missing:
        print(f"dcp lab scan: not built: {', '.join(missing)}")
        return 1
    reason = labmod.unavailable_reason()
    if reason:
        print(f"dcp lab scan: cannot measure here: {reason}")
        return 77
    cameras = [{"mac": "02:10:00:00:%02X:%02X" % (i // 256, i % 256), "model": "VKC-1420",
                "name": f"cam{i}", "dcpVersion": "2.0", "ip": "10.254.%d.%d" % (2 + i // 250, 1 + i % 250)}
               for i in range(count)]
    with Lab() as lab:
        config = os.path.join(lab.workdir, "cameras.json")
        with open(config, "w") as f:
            json.dump({"cameras": cameras}, f)
        lab.cam([camsim, "--config", config], stdout=subprocess.DEVNULL)
        lab.cam([bench, "--echo-server", str(ECHO_PORT)], stdout=subprocess.DEVNULL)
        lab.wait_listening("cam", "udp", 5978)
        lab.wait_listening("cam", "udp", ECHO_PORT)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        run = lab.pc([bench, "--lab-scan", str(count), "--echo", f"{lab.cam_ip}:{ECHO_PORT}"], env=env)
        return run.wait(timeout=240)


if __name__ == "__main__":
    sys.exit(main())
