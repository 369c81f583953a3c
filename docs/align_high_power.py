#!/usr/bin/env python3
"""Aligns transmit high power of the simulated radio through `vantrel-cli tune`.

The simulated radio stands in for the bench: its power meter (vantrel-radio-sim --meter) reads
what a meter on the antenna socket would, following the live softpot at the keyed point. For
each used point the script keys the radio, sets a value, reads the meter and corrects the value
until the output is within the tolerance of the target, then commits all points and prints the
service-log lines of the radio.

    python3 docs/align_high_power.py --bin build/bin [--target 4.0] [--tolerance 0.05]

With a real radio, replace `read_meter` by the reading of your power meter and start
`vantrel-cli tune --port N` instead of the simulator.
"""

import argparse
import json
import pathlib
import subprocess
import sys
import tempfile
import time


class TuneSession:
    """vantrel-cli tune as a child process: one JSON request a line, one JSON answer a line."""

    def __init__(self, command):
        self.process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1)
        ready = json.loads(self.process.stdout.readline())
        if not ready.get("ok"):
            raise RuntimeError("the radio could not be read: " + ready.get("error", "?"))
        self.serial = ready["serial"]

    def ask(self, **request):
        self.process.stdin.write(json.dumps(request) + "\n")
        self.process.stdin.flush()
        answer = json.loads(self.process.stdout.readline())
        if not answer["ok"]:
            raise RuntimeError(f"{request['verb']}: {answer['error']}")
        return answer

    def end(self):
        # The end of input closes the open screen (dekey, reset) should the script stop early.
        self.process.stdin.close()
        self.process.wait(timeout=30)


def read_meter(meter_file):
    return json.loads(pathlib.Path(meter_file).read_text())["watts"]


def align_point(tune, meter_file, point, target, tolerance, minimum, maximum):
    tune.ask(verb="select", point=point)
    tune.ask(verb="key")
    value = tune.ask(verb="read")["points"][point - 1]["working"]
    watts = read_meter(meter_file)
    for _ in range(10):
        if abs(watts - target) <= tolerance or watts <= 0:
            break
        # The output grows with the softpot; aim at the target with the gain just measured.
        better = max(minimum, min(maximum, round(value * target / watts)))
        if better == value:
            break
        value = better
        tune.ask(verb="set", point=point, value=value)
        watts = read_meter(meter_file)
    tune.ask(verb="dekey")
    return value, watts


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", required=True, help="folder of vantrel-cli, vantrel-radio-sim and profiles/")
    parser.add_argument("--target", type=float, default=4.0, help="output power in watts")
    parser.add_argument("--tolerance", type=float, default=0.05, help="watts either side of the target")
    args = parser.parse_args()
    binary = pathlib.Path(args.bin).resolve()

    with tempfile.TemporaryDirectory() as bench:
        link, meter, log = (pathlib.Path(bench) / name for name in ("com1", "meter.json", "service-log.jsonl"))
        simulator = subprocess.Popen([binary / "vantrel-radio-sim", "--profile", binary / "profiles" / "portable-v1.json",
                                      "--link", link, "--meter", meter], stdout=subprocess.DEVNULL)
        try:
            for _ in range(200):
                if link.is_symlink():
                    break
                time.sleep(0.01)
            tune = TuneSession([binary / "vantrel-cli", "tune", "--device", link, "--service-log", log])
            screen = tune.ask(verb="open", screen="Transmit High Power")
            failed = []
            for row in screen["points"]:
                if not row["inUse"]:
                    continue
                value, watts = align_point(tune, meter, row["point"], args.target, args.tolerance,
                                           screen["minimum"], screen["maximum"])
                print(f"F{row['point']} {row['frequency']:.6f} MHz: softpot {row['stored']} -> {value}, {watts:.3f} W")
                if abs(watts - args.target) > args.tolerance:
                    failed.append(row["point"])
            committed = tune.ask(verb="commit", confirm=True)
            tune.ask(verb="close")
            tune.end()
            print("stored:", [row["stored"] for row in committed["points"]])
            history = subprocess.run([binary / "vantrel-cli", "history", tune.serial, "--service-log", log],
                                     capture_output=True, text=True, check=True)
            print(history.stdout, end="")
        finally:
            simulator.terminate()
            simulator.wait(timeout=10)
    if failed:
        print("not within the tolerance at points", failed, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
