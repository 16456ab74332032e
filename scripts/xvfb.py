"""A private Xvfb for the scripts that show the programs on a virtual display."""

import os
import subprocess


def start_xvfb(*options):
    """Starts Xvfb on a display number it chooses itself; returns (process, ":N").

    Options are added to Xvfb's command line. The display is None when Xvfb
    did not start."""
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24",
                             "-nolisten", "tcp", *options], pass_fds=[write_fd],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_fd)
    with os.fdopen(read_fd, "rb") as pipe:
        number = pipe.readline().strip().decode()
    return xvfb, (":" + number) if number else None
