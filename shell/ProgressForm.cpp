#include "shell/ProgressForm.h"

#include <cstdint>

void TProgressForm::SetMax(int n) {
    Max = n;
}

void TProgressForm::SetPosition(int n) {
    Position = n;
}

void TProgressForm::SetAction(const std::string& s) {
    Action = s;
}

void TProgressForm::SetResult(const std::string& s) {
    Result = s;
}

std::string TProgressForm::PercentText() const {
    // Widened so that a large tree cannot overflow the product.
    int64_t percent = Max == 0 ? 100 : static_cast<int64_t>(Position) * 100 / Max;
    return std::to_string(percent) + "%";
}
