#pragma once

#include <json/value.h>
#include <string>

// Reads a whole JSON document; comments are allowed and a leading UTF-8 byte
// order mark is skipped. A missing, unreadable, empty, oversized or unparsable
// file yields a null value: callers treat null as "no document". Never throws.
Json::Value ReadJsonFile(const std::string& path);

// Writes the value in the styled form (three-space indentation, members in the
// library's key order) ending in one line end. The text goes whole to a
// temporary file in the same folder, is flushed to disk and then renamed over
// the target, so a crash or a full disk never leaves a half-written document.
// When the file cannot be written the old one stays intact; the result says
// whether the document was written.
bool WriteJsonFile(const Json::Value& value, const std::string& path);

// The styled form that WriteJsonFile stores.
std::string StyledJsonText(const Json::Value& value);
