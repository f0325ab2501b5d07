#pragma once

#include <string>

// A new identifier from the local time, "%d_%02d_%02d_%02d_%02d_%02d_%03d"
// (year, month, day, hour, minute, second, millisecond), for example
// "2024_03_05_14_07_09_042". Identifiers name profile and macro files, so two
// made within the same millisecond must differ: each call takes the next
// millisecond not handed out before in this process.
std::string NewTimestampId();
