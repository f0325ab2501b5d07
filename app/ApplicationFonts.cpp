#include "app/ApplicationFonts.h"

ApplicationFonts::ApplicationFonts(const std::string& folder, Loader load, Remover remove)
    : remove_(std::move(remove))
{
    for (size_t i = 0; i < kFiles.size(); ++i)
        handles_[i] = load(folder + kFiles[i]);
}

ApplicationFonts::~ApplicationFonts()
{
    for (size_t i = handles_.size(); i-- > 0;)
        if (handles_[i] >= 0)
            remove_(handles_[i]);
}
