#include "ui/FontTable.h"

namespace ui {

void FontTable::Add(int id, const FontInfo& font, bool isDefault)
{
    fonts_[id] = font;
    if (isDefault)
        default_ = font;
}

const FontInfo* FontTable::Find(int id) const
{
    auto it = fonts_.find(id);
    return it == fonts_.end() ? nullptr : &it->second;
}

void FontTable::Clear()
{
    fonts_.clear();
    default_.reset();
}

} // namespace ui
