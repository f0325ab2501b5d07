#include "device/HidConnection.h"

#include <utility>

HidConnection::HidConnection(HidAttributes attributes, HidCollection collection)
    : attributes_(attributes), collection_(std::move(collection))
{
}
