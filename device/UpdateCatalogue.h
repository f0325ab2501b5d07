#pragma once

#include <array>
#include <cstdint>

// What the update service is asked about: one row per device kind with
// firmware updates, and the application itself last.
struct UpdateCatalogueRow {
    int32_t versionKind; // 0: the application; other values: a device
    const char* brand;
    const char* modelCode;
    const char* typeName;
    const char* typeCode;
    const char* versionText; // fixed version of the application row, empty for devices
};

// The last element of every update query key.
constexpr int32_t kUpdateKeySuffix = 1;

constexpr std::array<UpdateCatalogueRow, 4> kUpdateCatalogue{{
    {1, "KOVRA", "RD40M2B", "MS", "MS", ""},
    {1, "KOVRA", "RD40K3B", "KB", "KB", ""},
    {2, "KOVRA", "RD40K5C_1", "K31", "K31", ""},
    {0, "KOVRA", "ALL", "Veltrane Software", "AP", "V0102"},
}};
