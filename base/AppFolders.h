#pragma once

#include <string>
#include <string_view>

// Where the program finds its shipped files and keeps the user's own.
// Every folder is handed out with a trailing '/'.

// The folder that holds the running executable.
std::string ProgramFolder();

// ProgramFolder() + "skin/": the toolkit's resource folder. Creates nothing.
std::string SkinFolder();

// ProgramFolder() + "DefaultData/": the shipped default documents. Creates nothing.
std::string DefaultDataFolder();

// $XDG_DATA_HOME (or ~/.local/share) + "Veltrane Software/", created with its
// parents on every call. The path is returned even when it cannot be created;
// the callers' file operations then fail and handle it.
std::string AppDataFolder();

// AppDataFolder() + folderName + "/", created. folderName is the device kind's
// folder ("mouse", "keyboard", "MousePad", "HD").
std::string DeviceDataFolder(std::string_view folderName);

// $XDG_CONFIG_HOME (or ~/.config) + "Veltrane Software/", created with its
// parents on every call: the user's settings (the chosen language).
std::string ConfigFolder();

// $XDG_CACHE_HOME (or ~/.cache) + "Veltrane Software/UpdateData/", created with
// mode 0700 on every call. A per-user folder rather than /tmp, which other users
// share and where they could create the folder first or plant a link.
std::string UpdateDataFolder();
