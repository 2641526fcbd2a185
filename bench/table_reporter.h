#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace kelvaro::bench {

// Prints one table after all benchmarks have run: per benchmark the
// fastest and the median of its repetitions, its target and whether they
// meet it. Times are real (wall-clock) time in microseconds.
class TableReporter : public benchmark::BenchmarkReporter {
 public:
  // The target of a benchmark by name, in microseconds.
  explicit TableReporter(std::function<double(const std::string&)> targetMicros);

  bool ReportContext(const Context& context) override;
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  struct Row {
    std::vector<double> micros;  // one per repetition
    std::string error;
  };

  std::function<double(const std::string&)> targetMicros_;
  std::vector<std::string> order_;
  std::map<std::string, Row> rows_;
};

}  // namespace kelvaro::bench
