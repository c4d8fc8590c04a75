#pragma once

// Units shared by the RTF reader and writer. RTF measures lengths in twips (1/1440 inch) and font sizes in
// half-points; QTextDocument measures lengths in pixels at 96 dpi (as its own ODF and HTML exchange does)
// and font sizes in points.
namespace rtf::detail {

constexpr double kTwipsPerPixel = 1440.0 / 96.0;
// Word's limits: lengths within 22 inches, font sizes up to 1638 points.
constexpr int kMaxTwips = 31680;
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;
constexpr int kDefaultHalfPoints = 24;
// A \sl with \slmult1 counts in 240ths of single spacing.
constexpr double kSingleLineTwips = 240.0;

} // namespace rtf::detail
