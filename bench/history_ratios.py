"""Reads core_bench's JSON on stdin and prints the record's benchmarks: the summary's
median beside one raw read of the same file, and the processor time of one append."""
import json
import sys


def medians(report, field):
    return {b["run_name"]: b[field] for b in report["benchmarks"] if b.get("aggregate_name") == "median"}


def main():
    report = json.load(sys.stdin)
    real, cpu = medians(report, "real_time"), medians(report, "cpu_time")   # microseconds
    summary, base = real["history_summary/100000"], real["baseline_read_history/100000"]
    print(f"history_summary/100000: {summary:.1f} us median ({cpu['history_summary/100000']:.1f} us of processor "
          f"time), baseline {base:.1f} us, ratio {summary / base:.2f}x (target < 16000 us)")
    print(f"history_append: {cpu['history_append']:.1f} us of processor time, "
          f"{real['history_append']:.1f} us with the flush (target < 1000 us of processor time)")


if __name__ == "__main__":
    main()
