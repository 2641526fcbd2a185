#include "bench/table_reporter.h"

#include <algorithm>
#include <cstdio>

namespace kelvaro::bench {
namespace {

double toMicros(double time, benchmark::TimeUnit unit) {
  switch (unit) {
    case benchmark::kNanosecond:
      return time / 1e3;
    case benchmark::kMicrosecond:
      return time;
    case benchmark::kMillisecond:
      return time * 1e3;
    case benchmark::kSecond:
      return time * 1e6;
  }
  return time;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

TableReporter::TableReporter(std::function<double(const std::string&)> targetMicros)
    : targetMicros_(std::move(targetMicros)) {}

bool TableReporter::ReportContext(const Context& context) {
  std::fprintf(stderr, "%d CPUs at %.0f MHz; running the benchmarks …\n", context.cpu_info.num_cpus,
               context.cpu_info.cycles_per_second / 1e6);
  return true;
}

void TableReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.run_type != Run::RT_Iteration) continue;  // the table makes its own statistics
    const std::string& name = run.run_name.function_name;
    if (!rows_.count(name)) order_.push_back(name);
    Row& row = rows_[name];
    if (run.error_occurred) {
      row.error = run.error_message;
    } else {
      row.micros.push_back(toMicros(run.GetAdjustedRealTime(), run.time_unit));
    }
  }
}

void TableReporter::Finalize() {
  std::size_t width = 4;
  for (const std::string& name : order_) width = std::max(width, name.size());
  const int w = static_cast<int>(width);
  std::printf(
      "Times in µs (real time per run, over the repetitions). ok: min and median meet the\n"
      "target; ok (min): only the fastest repetition does (other load on the machine only\n"
      "adds time); floor/ rows are references without a target.\n");
  std::printf("%-*s  %10s  %10s  %10s  %s\n", w, "name", "min", "median", "target", "ok");
  int missed = 0;
  for (const std::string& name : order_) {
    const Row& row = rows_[name];
    const double target = targetMicros_(name);
    const std::string targetText = target > 0 ? std::to_string(static_cast<int>(target)) : "-";
    if (!row.error.empty() || row.micros.empty()) {
      std::printf("%-*s  %10s  %10s  %10s  error: %s\n", w, name.c_str(), "-", "-",
                  targetText.c_str(), row.error.c_str());
      ++missed;
      continue;
    }
    const double fastest = *std::min_element(row.micros.begin(), row.micros.end());
    const double middle = median(row.micros);
    const char* verdict = "reference";
    if (target > 0) {
      verdict = middle <= target ? "ok" : fastest <= target ? "ok (min)" : "MISSED";
      if (fastest > target) ++missed;
    }
    std::printf("%-*s  %10.2f  %10.2f  %10s  %s\n", w, name.c_str(), fastest, middle,
                targetText.c_str(), verdict);
  }
  std::printf("%zu benchmarks, %d missed\n", order_.size(), missed);
}

}  // namespace kelvaro::bench
