#pragma once

#include "ui/Container.h"

#include <string>

namespace ui {

// A container whose content is another layout file ("xmlfile"), built when
// the container joins a window, with that window's factory.
class ChildLayout : public Container {
public:
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    const std::string& GetChildLayoutFile() const { return file_; }
    void SetChildLayoutFile(std::string file) { file_ = std::move(file); }
    void DoInit() override;
    bool SetAttribute(std::string_view name, std::string_view value) override;

private:
    std::string file_;
};

} // namespace ui
