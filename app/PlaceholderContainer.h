#pragma once

#include "ui/Container.h"

#include <string>

// A plain container standing for one of the program's control classes whose
// own behaviour is not there yet: layouts that name the class build, keep
// their children and find it by class name.
class PlaceholderContainer : public ui::Container {
public:
    // tag: the class's layout tag ("CircleProgress" for CCircleProgressUI).
    explicit PlaceholderContainer(std::string tag) : tag_(std::move(tag)), class_(tag_ + "UI") {}

    std::string_view GetClass() const override { return class_; }
    bool IsClass(std::string_view name) const override
    {
        return ui::MatchesClass(name, tag_) || ui::Container::IsClass(name);
    }

private:
    std::string tag_;
    std::string class_;
};
