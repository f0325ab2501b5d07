#pragma once

// Where this program lives on the session bus. Companion programs and games
// use these; README lists them with an example.
namespace DBusNames {

constexpr const char* kService = "com.veltrane.Software";
constexpr const char* kPath = "/com/veltrane/Software";
constexpr const char* kInterface = "com.veltrane.Software";

// The service tool, when it runs, takes this name and receives its report.
constexpr const char* kWorkToolService = "com.veltrane.WorkTool";
constexpr const char* kWorkToolPath = "/com/veltrane/WorkTool";
constexpr const char* kWorkToolInterface = "com.veltrane.WorkTool";

} // namespace DBusNames
