#pragma once

#include "operations/commandMessages.h"

// The questions and notes of the desktop program besides those of the File commands' results.
namespace vantrel::messages {

inline constexpr Message kInitializeRadioData{"Initialize radio data?", "CONFIRMATION"};
inline constexpr Message kProgramRadioQuestion{"Program Radio?", "Note"};
inline constexpr Message kWindowStillOpen{"Current window still open! Please close first!", " NOTE"};

// The progress window titles.
inline constexpr const char* kReadingTitle = "Reading Softpots from radio...";
inline constexpr const char* kWritingTitle = "Writing Softpots to radio...";

}  // namespace vantrel::messages
