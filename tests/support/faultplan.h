// Failing file steps on purpose: records every step the record layer takes
// and makes a chosen one fail, through SetFaultHook.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "ioerror.h"
#include "recordfile.h"

namespace mensurio::testing {

struct StepTaken {
  FileStep step;
  std::string name;
  bool operator==(const StepTaken&) const = default;
};

class FaultPlan {
 public:
  // With fail_at 0 nothing fails; otherwise the fail_at-th step (1-based)
  // throws IoError(code).
  explicit FaultPlan(size_t fail_at = 0, int code = kIoAccessDenied) : fail_at_(fail_at), code_(code) {
    SetFaultHook([this](FileStep step, const std::string& name) {
      steps.push_back({step, name});
      return steps.size() == fail_at_ ? code_ : 0;
    });
  }
  ~FaultPlan() { SetFaultHook(nullptr); }
  FaultPlan(const FaultPlan&) = delete;
  FaultPlan& operator=(const FaultPlan&) = delete;

  bool Failed() const { return fail_at_ != 0 && steps.size() >= fail_at_; }
  const StepTaken& FailedStep() const { return steps.at(fail_at_ - 1); }

  std::vector<StepTaken> steps;

 private:
  size_t fail_at_;
  int code_;
};

// The steps an operation takes when nothing fails.
template <typename Operation>
std::vector<StepTaken> StepsOf(Operation&& operation) {
  FaultPlan plan;
  operation();
  return plan.steps;
}

}  // namespace mensurio::testing
