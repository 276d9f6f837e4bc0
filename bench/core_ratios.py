"""Reads core_bench's JSON on stdin and prints each median beside its baseline's."""
import json
import sys

PAIRS = [("NuevaPartida/32767", "baseline_read_list/32767", 3.0),
         ("NuevaPartida/300", "baseline_read_list/300", None),
         ("list_window_read/32767", "baseline_read_list/32767", 3.0),
         ("list_window_remove/32767", "baseline_durable_write/32767", 3.0),
         ("list_window_remove/32767", "baseline_plain_write/32767", None),
         ("list_window_import/32767", "baseline_durable_write/32767", 3.0)]


def medians(report):
    out = {}
    for b in report["benchmarks"]:
        if b.get("aggregate_name") == "median":
            out[b["run_name"]] = b["real_time"]  # microseconds, as the benchmarks ask
    return out


def main():
    m = medians(json.load(sys.stdin))
    for name, base, target in PAIRS:
        ratio = m[name] / m[base]
        goal = f" (target <= {target}x)" if target else ""
        print(f"{name}: {m[name]:.1f} us median, baseline {m[base]:.1f} us, ratio {ratio:.2f}x{goal}")
    guess = m["txtIntroducir_Change/20_said"]
    print(f"txtIntroducir_Change with 20 letters said: {guess:.1f} us median (target < 50 us)")
    keystroke = m["list_window_filter_keystroke/32767"]
    print(f"list window filter keystroke, 32767 titles: {keystroke:.1f} us median (target < 16000 us)")


if __name__ == "__main__":
    main()
