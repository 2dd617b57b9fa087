#pragma once

// Message box types and answers, with the platform's numeric values, so that
// a box type such as 35 (Yes/No/Cancel with a question icon) reads as specified.
namespace mb {
constexpr int Ok = 0;
constexpr int OkCancel = 1;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int IconError = 16;
constexpr int IconQuestion = 32;
constexpr int IconWarning = 48;
constexpr int IconInformation = 64;
} // namespace mb

namespace id {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace id
